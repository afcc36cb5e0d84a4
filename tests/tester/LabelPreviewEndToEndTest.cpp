// The label the simulator prints is the label the preview draws: the Bitmap Text form's "Test
// Print" goes to the simulator over TCP and a pseudo-terminal, the simulator writes the label it
// printed as PNG, and the renderer drawing the bytes the form sent gives the same dots.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QRect>
#include <QTemporaryDir>
#include <functional>

#include "preview/LabelBitmap.h"
#include "preview/LabelRendering.h"
#include "support/SimRig.h"
#include "support/Widgets.h"
#include "tester/BitmapTextBuilder.h"
#include "tester/BitmapTextForm.h"
#include "tester/StepField.h"

namespace {

struct PrintCase {
    const char* what;
    std::function<void(BitmapTextForm&)> change;
    QRect text;  // where the text's first letters fall
};

long DotsThatDiffer(const preview::LabelBitmap& a, const preview::LabelBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) {
        return -1;
    }
    long differ = 0;
    for (std::size_t i = 0; i < a.Dots().size(); ++i) {
        differ += a.Dots()[i] != b.Dots()[i] ? 1 : 0;
    }
    return differ;
}

class LabelPreviewOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(LabelPreviewOver, ThePrintedLabelIsThePreviewDotForDot) {
    const PrintCase cases[] = {
        {.what = "the defaults", .change = [](BitmapTextForm&) {}, .text = {20, 20, 200, 40}},
        {.what = "larger, bold and reversed",
         .change =
             [](BitmapTextForm& form) {
                 Type(Find<StepField>(form, "xField"), QStringLiteral("200"));
                 Type(Find<StepField>(form, "yField"), QStringLiteral("300"));
                 Choose(Find<QComboBox>(form, "fontList"), 5);
                 Type(Find<StepField>(form, "hMultiField"), QStringLiteral("2"));
                 Type(Find<StepField>(form, "vMultiField"), QStringLiteral("2"));
                 Choose(Find<QComboBox>(form, "reverseList"), 1);
                 Choose(Find<QComboBox>(form, "boldList"), 1);
             },
         .text = {200, 300, 300, 80}},
        // A quarter turn clockwise: the text runs down from its point, to the left of it.
        {.what = "turned a quarter",
         .change =
             [](BitmapTextForm& form) {
                 Type(Find<StepField>(form, "xField"), QStringLiteral("400"));
                 Type(Find<StepField>(form, "yField"), QStringLiteral("100"));
                 Choose(Find<QComboBox>(form, "rotationList"), 1);
             },
         .text = {300, 100, 100, 200}},
    };
    SimRig rig(GetParam());
    QTemporaryDir folder;
    rig.printer.SetLabelFolder(folder.path().toStdString());
    ASSERT_TRUE(rig.Connect());
    // What the simulator's paper settings give when the bytes set no size.
    preview::PrinterSetup setup;
    setup.width = 832;
    setup.length = 1200;

    std::size_t printed = 0;
    for (const PrintCase& c : cases) {
        SCOPED_TRACE(c.what);
        rig.printer.ClearReceived();
        BitmapTextBuilder builder;
        BitmapTextForm form(builder, rig.Context());
        c.change(form);
        Click(form, "testPrintButton");
        ++printed;
        ASSERT_TRUE(rig.WaitFor([printed](const sim::PrinterState& state) {
            return state.labels.printed.size() == printed;
        }));
        const std::string sent = rig.printer.Received();

        const QString file =
            folder.filePath(QStringLiteral("label-%1.png").arg(printed, 4, 10, QLatin1Char('0')));
        const QImage png(file);
        ASSERT_FALSE(png.isNull()) << file.toStdString();
        const preview::LabelBitmap printedLabel = preview::LabelBitmap::FromImage(png);
        const preview::Rendering preview =
            preview::RenderLabels(QByteArrayView(sent.data(), qsizetype(sent.size())), setup);
        ASSERT_EQ(preview.labels.size(), 1u) << sent;
        EXPECT_EQ(DotsThatDiffer(printedLabel, preview.labels[0].bitmap), 0) << sent;
        EXPECT_GT(printedLabel.InkIn(c.text.x(), c.text.y(), c.text.width(), c.text.height()), 0)
            << sent;
    }
    EXPECT_TRUE(rig.printer.Snapshot().labels.files.failures.empty());
    EXPECT_TRUE(rig.messages.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(Transports, LabelPreviewOver, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace

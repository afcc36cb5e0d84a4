// Image names against the printer simulator over TCP and a pseudo-terminal: a name with a
// character beyond ASCII is stored, recalled and deleted under one byte a character, the same
// bytes every other form sends for it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTemporaryDir>

#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/PcxCodec.h"
#include "images/PcxDownloader.h"
#include "support/SimRig.h"
#include "support/Widgets.h"

namespace {

using namespace images_test;

class ImageNamesOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(ImageNamesOver, ANameBeyondAsciiGoesOneByteACharacter) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    QTemporaryDir folder;
    const QString path = WriteFile(folder.path(), QStringLiteral("logo.pcx"),
                                   PcxCodec::Write(Dithering::Threshold(ColourScene(40, 12))));
    ToolContext context = rig.Context();
    context.run = [](QDialog& viewer) {
        Click(viewer, "okButton");
        return static_cast<QDialog::DialogCode>(viewer.result());
    };
    PcxDownloader window(context);
    // Qt Test has no keys for "é": the names are set as a paste would set them.
    const auto put = [&](const char* field, const QString& text) {
        Find<QLineEdit>(window, field)->setText(text);
    };
    const std::string stored = "Caf\xE9";

    rig.files.answers.push_back(path);
    Click(window, "browseButton");
    put("storeNameEdit", QStringLiteral("Café"));
    Click(window, "downloadButton");
    ASSERT_TRUE(
        rig.WaitFor([](const sim::PrinterState& state) { return !state.labels.printed.empty(); }));
    sim::PrinterState state = rig.printer.Snapshot();
    EXPECT_TRUE(state.images.refused.empty()) << state.images.refused.front();
    EXPECT_EQ(state.images.stored.count(stored), 1u);
    ASSERT_EQ(state.labels.printed[0].images.size(), 1u);
    EXPECT_EQ(state.labels.printed[0].images[0].name, stored);

    put("recallNameEdit", QStringLiteral("Café"));
    put("xEdit", QStringLiteral("8"));
    put("yEdit", QStringLiteral("16"));
    Click(window, "recallButton");
    ASSERT_TRUE(
        rig.WaitFor([](const sim::PrinterState& s) { return s.labels.printed.size() == 2; }));
    state = rig.printer.Snapshot();
    EXPECT_TRUE(state.images.refused.empty()) << state.images.refused.front();
    ASSERT_EQ(state.labels.printed[1].images.size(), 1u);
    EXPECT_EQ(state.labels.printed[1].images[0].name, stored);

    put("deleteNameEdit", QStringLiteral("Café"));
    Click(window, "deleteButton");
    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& s) { return s.images.stored.empty(); }));
    EXPECT_EQ(rig.messages.Texts(), QStringList{QStringLiteral("PCX file download is completed.")});
}

INSTANTIATE_TEST_SUITE_P(Transports, ImageNamesOver, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace

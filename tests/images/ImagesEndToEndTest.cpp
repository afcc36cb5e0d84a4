// The image commands against the printer simulator over TCP and a pseudo-terminal: a colour
// picture goes through the viewer and the downloader, and the printer holds exactly the
// black-and-white picture the viewer showed.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

#include "images/ImageTestFiles.h"
#include "images/PcxDownloader.h"
#include "images/PicturePane.h"
#include "support/SimRig.h"
#include "support/Widgets.h"

namespace {

using namespace images_test;

class ImagesOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(ImagesOver, StoresRecallsListsAndDeletesPictures) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Scene.JPG"));
    ASSERT_TRUE(ColourScene(150, 61).save(path, "JPG"));

    // The person in the viewer chooses error diffusion and presses OK.
    QImage shown;
    ToolContext context = rig.Context();
    context.run = [&](QDialog& viewer) {
        Choose(Find<QComboBox>(viewer, "ditherCombo"), 1);
        shown = Find<PicturePane>(viewer, "picturePane")->Shown();
        Click(viewer, "okButton");
        return static_cast<QDialog::DialogCode>(viewer.result());
    };
    PcxDownloader window(context);
    const auto click = [&](const char* name) { Click(window, name); };
    const auto type = [&](const char* name, const char* text) {
        Type(Find<QLineEdit>(window, name), QLatin1String(text));
    };

    rig.files.answers.push_back(path);
    click("browseButton");
    ASSERT_EQ(window.Method(), DitherMethod::ErrorDiffusion);
    click("downloadButton");
    EXPECT_EQ(rig.messages.Texts(), QStringList{QStringLiteral("PCX file download is completed.")});

    // Stored, and printed once at 100,100.
    ASSERT_TRUE(
        rig.WaitFor([](const sim::PrinterState& state) { return !state.labels.printed.empty(); }));
    sim::PrinterState state = rig.printer.Snapshot();
    EXPECT_TRUE(state.images.refused.empty()) << state.images.refused.front();
    ASSERT_EQ(state.images.stored.count("Scene"), 1u);
    // A copy: `state` is replaced below, and the picture is stored again under another name.
    const sim::StoredImage stored = state.images.stored.at("Scene");
    ASSERT_EQ(stored.width, shown.width());
    ASSERT_EQ(stored.height, shown.height());
    const std::vector<bool> dark = DarkPixels(shown);
    int differing = 0;
    for (int y = 0; y < stored.height; ++y) {
        for (int x = 0; x < stored.width; ++x) {
            differing += stored.Black(x, y) != dark[static_cast<std::size_t>(y * stored.width + x)];
        }
    }
    EXPECT_EQ(differing, 0);
    ASSERT_EQ(state.labels.printed.size(), 1u);
    ASSERT_EQ(state.labels.printed[0].images.size(), 1u);
    EXPECT_EQ(state.labels.printed[0].images[0].x, 100);
    EXPECT_EQ(state.labels.printed[0].images[0].y, 100);

    // Recall at another place, list, delete one, delete all.
    type("recallNameEdit", "Scene");
    type("xEdit", "8");
    type("yEdit", "16");
    click("recallButton");
    ASSERT_TRUE(
        rig.WaitFor([](const sim::PrinterState& s) { return s.labels.printed.size() == 2; }));
    state = rig.printer.Snapshot();
    ASSERT_EQ(state.labels.printed[1].images.size(), 1u);
    EXPECT_EQ(state.labels.printed[1].images[0].x, 8);
    EXPECT_EQ(state.labels.printed[1].images[0].y, 16);

    rig.printer.Edit([&](sim::PrinterState& s) { s.images.stored["Other"] = stored; });
    type("deleteNameEdit", "Scene");
    click("deleteButton");
    ASSERT_TRUE(
        rig.WaitFor([](const sim::PrinterState& s) { return s.images.stored.size() == 1; }));
    EXPECT_EQ(rig.printer.Snapshot().images.stored.count("Other"), 1u);
    click("deleteAllButton");
    click("informationButton");
    ASSERT_TRUE(rig.WaitFor([](const sim::PrinterState& s) { return s.images.stored.empty(); }));
    // The last list request may still be on its way once the pictures are gone.
    const std::string sent = "ID'Scene'IIID*IIII";
    rig.WaitFor([&](const sim::PrinterState&) { return rig.printer.Received().ends_with(sent); });
    const std::string received = rig.printer.Received();
    EXPECT_TRUE(received.ends_with(sent)) << received.substr(received.size() - 30);
    EXPECT_EQ(rig.messages.Warnings(), QStringList());
}

// Deleting sends a list request that the printer prints; nothing of it may wait on the link for
// the next query, which would read it as its own reply.
TEST_P(ImagesOver, ADeleteLeavesNothingForTheNextQuery) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    PcxDownloader window(rig.Context());
    Type(Find<QLineEdit>(window, "deleteNameEdit"), QStringLiteral("nothing"));
    Click(window, "deleteButton");
    ASSERT_TRUE(
        rig.WaitFor([](const sim::PrinterState& state) { return !state.labels.printed.empty(); }));
    EXPECT_EQ(rig.printer.Snapshot().labels.printed.back().lines,
              std::vector<std::string>{"IMAGES 0"});

    ASSERT_GT(rig.port.Write("^PI5,0\r\n"), 0);  // the paper width
    QByteArray reply(PrinterPort::kEthernetReadLength, '\0');
    const int length = rig.port.ReadLine(reply, PrinterPort::kEthernetReadLength);
    EXPECT_EQ(reply.left(length), QByteArrayLiteral("832\r\n"));
    EXPECT_EQ(rig.messages.Warnings(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Transports, ImagesOver, testing::ValuesIn(kTransports), TransportTestName);

}  // namespace

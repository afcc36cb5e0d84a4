// The label folder: one PNG file per print command that prints, named by its number and copies,
// the size in force, the pictures recalled onto it, and a folder that cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "preview/LabelBitmap.h"
#include "sim/Printer.h"
#include "sim/ProgramOptions.h"
#include "support/Widgets.h"

namespace {

struct LabelFile {
    std::string name;
    int width = 0;
    int length = 0;
};

// The files of the folder with the size of each picture, in name order.
std::vector<LabelFile> FilesIn(const QString& folder) {
    std::vector<LabelFile> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        const QImage image(dir.filePath(name));
        files.push_back({name.toStdString(), image.width(), image.height()});
    }
    return files;
}

void ExpectFiles(const std::vector<LabelFile>& actual, const std::vector<LabelFile>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].name, expected[i].name) << i;
        EXPECT_EQ(actual[i].width, expected[i].width) << expected[i].name;
        EXPECT_EQ(actual[i].length, expected[i].length) << expected[i].name;
    }
}

const std::string kText = "T20,20,3,1,1,0,0,N,N,'x'\r";

TEST(SimLabelFolder, WritesOneFileForEachPrintCommandThatPrints) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<LabelFile> files;
        std::size_t failures = 0;
    };
    const Case cases[] = {
        {.what = "the paper settings when no size is set",
         .bytes = kText + "P1\r",
         .files = {{"label-0001.png", 832, 1200}}},
        {.what = "a size set on an earlier label stays in force; copies are named",
         .bytes = "SW400\rSL300,24,G\r" + kText + "P1\r" + kText + "P2,3\r",
         .files = {{"label-0001.png", 400, 300}, {"label-0002-x6.png", 400, 300}}},
        {.what = "nothing printed, a report and an empty label",
         .bytes = kText + "P0\rII\rP1\rP1\r",
         .files = {{"label-0001.png", 832, 1200}, {"label-0002.png", 832, 1200}}},
        {.what = "a billion copies make one file",
         .bytes = "SW8\rSL8,0,C\rP9223372036854775807\r",
         .files = {{"label-0001-x1000000000.png", 8, 8}}},
        // A size no label has is not drawn, yet it takes its number and the printer goes on.
        {.what = "sizes that cannot be drawn",
         .bytes = "SW0\rP1\rSW2000000000\rSL2000000000,0,C\rP1\rSW16\rSL16,0,C\rP1\r",
         .files = {{"label-0003.png", 16, 16}},
         .failures = 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        sim::Printer printer;
        printer.SetLabelFolder(folder.path().toStdString());
        EXPECT_EQ(printer.Receive(c.bytes + "^PI0\r"), "QX-M43\r\n");
        ExpectFiles(FilesIn(folder.path()), c.files);
        EXPECT_EQ(printer.Snapshot().labels.files.failures.size(), c.failures);
    }
}

// A stored picture of 16 by 8 dots, all black (a clear PCX bit is black).
std::string BlackBox() {
    std::string file(128, '\0');
    file[0] = 0x0A;
    file[1] = 5;
    file[2] = 1;
    file[3] = 1;
    file[8] = 15;
    file[10] = 7;
    file[65] = 1;
    file[66] = 2;
    for (int row = 0; row < 8; ++row) {
        file += std::string("\xc2\x00", 2);  // a run of two zero bytes
    }
    return "IS" + std::to_string(file.size()) + ",'box'" + file;
}

TEST(SimLabelFolder, TheRecalledPictureIsOnTheLabelWhereItWasPlaced) {
    QTemporaryDir folder;
    sim::Printer printer;
    printer.SetLabelFolder(folder.path().toStdString());
    printer.Receive(BlackBox() + "IR100,50,'box'\rP1\r");
    ASSERT_TRUE(printer.Snapshot().images.refused.empty());
    const preview::LabelBitmap label =
        preview::LabelBitmap::FromImage(QImage(folder.filePath(QStringLiteral("label-0001.png"))));
    ASSERT_EQ(label.Width(), 832);
    EXPECT_EQ(label.InkIn(100, 50, 16, 8), 16 * 8);
    EXPECT_EQ(label.InkIn(0, 0, label.Width(), label.Height()), 16 * 8);
}

TEST(SimLabelFolder, AFolderThatCannotBeWrittenLeavesThePrinterWorking) {
    QTemporaryDir folder;
    // Below a plain file no folder can be made, whoever runs the test.
    const QString blocked =
        WriteFile(folder.path(), QStringLiteral("file"), "x") + QStringLiteral("/labels");
    sim::Printer printer;
    printer.SetLabelFolder(blocked.toStdString());
    EXPECT_EQ(printer.Receive(kText + "P1\r" + kText + "P1\r^PI0\r"), "QX-M43\r\n");
    sim::PrinterState state = printer.Snapshot();
    EXPECT_EQ(state.labels.printedCount, 2);
    ASSERT_EQ(state.labels.files.failures.size(), 2u);
    EXPECT_NE(state.labels.files.failures[0].find(blocked.toStdString() + "/label-0001.png"),
              std::string::npos)
        << state.labels.files.failures[0];

    const QString writable = folder.filePath(QStringLiteral("labels"));
    printer.SetLabelFolder(writable.toStdString());
    printer.Receive(kText + "P1\r");
    ExpectFiles(FilesIn(writable), {{"label-0003.png", 832, 1200}});
}

TEST(SimLabelFolder, TheProgramWritesTheLabelsItPrints) {
    sim::ProgramOptions options;
    std::string error;
    ASSERT_TRUE(options.Parse({"--label-folder", "/tmp/x"}, error)) << error;
    EXPECT_EQ(options.labelFolder, "/tmp/x");
    EXPECT_FALSE(options.Parse({"--label-folder"}, error));

    QTemporaryDir folder;
    const QString labels = folder.filePath(QStringLiteral("new/labels"));
    RunProgram(Texts({"--label-folder"}) << labels, "SW100\r" + kText + "P1\r");
    ExpectFiles(FilesIn(labels), {{"label-0001.png", 100, 1200}});
}

}  // namespace

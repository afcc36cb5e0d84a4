// One download on each kind of link: the blocks, the progress, the pauses, the keep-open
// bracket, the private temporary file, and what happens when the link fails.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/PcxCodec.h"
#include "images/PcxDownload.h"
#include "images/Picture.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

using namespace images_test;

// What the progress bar was told, in order: "range 2", "step", "value 20".
struct ProgressRecord {
    QStringList calls;
    TransferProgress Sink() {
        return {[this](int maximum) { calls << QStringLiteral("range %1").arg(maximum); },
                [this](int value) { calls << QStringLiteral("value %1").arg(value); },
                [this] { calls << QStringLiteral("step"); }};
    }
};

QByteArray Pattern(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}

class Download : public testing::Test {
protected:
    QStringList TemporaryLeft() const {
        return QDir(temporary.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    TestRig rig;
    QTemporaryDir files;
    QTemporaryDir temporary;
    const QDateTime now{QDate(2024, 1, 31), QTime(23, 5, 9)};
};

struct LinkCase {
    const char* port;
    int size;
    std::vector<int> blocks;  // data writes after the header
    QStringList progress;
};

TEST_F(Download, SendsTheFileInBlocksForEachLink) {
    const LinkCase cases[] = {
        {.port = "COM1:",
         .size = 5000,
         .blocks = {2048, 2048, 904},
         .progress = Rows({"range 2", "step", "step", "value 0"})},
        {.port = "LPT1:",
         .size = 4096,
         .blocks = {2048, 2048, 0},
         .progress = Rows({"range 2", "step", "step", "value 0"})},
        {.port = "USB", .size = 100, .blocks = {100}, .progress = Rows({"range 0", "value 0"})},
        {.port = "ETHERNET",
         .size = 5000,
         .blocks = {5000},
         .progress = Rows({"range 2", "value 20", "value 0"})},
        {.port = "ETHERNET",
         .size = 0,
         .blocks = {},
         .progress = Rows({"range 0", "value 20", "value 0"})},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(std::string(c.port) + " " + std::to_string(c.size));
        rig.ConnectAndClear(QLatin1String(c.port));
        const QByteArray bytes = Pattern(c.size);
        // Not a picture: it goes unchanged, under its own size.
        const QString path = WriteFile(files.path(), QStringLiteral("logo.pcx"), bytes);
        PcxDownload download(rig.port, rig.pacer);
        EXPECT_EQ(
            download.Convert(path, PictureType::Pcx, DitherMethod::None, temporary.path(), now),
            path);
        EXPECT_EQ(download.TemporaryPath(), QString());
        ASSERT_TRUE(download.Open());
        ProgressRecord progress;
        EXPECT_EQ(download.Send(QStringLiteral("logo"), progress.Sink()),
                  PcxDownload::Outcome::Completed);

        std::vector<QByteArray> expected = {"IS" + QByteArray::number(c.size) + ",'logo'"};
        int at = 0;
        for (const int block : c.blocks) {
            expected.push_back(bytes.mid(at, block));
            at += block;
        }
        expected.push_back("\r\n\r\nIR100,100,'logo'\r\nP1\r\n");
        EXPECT_EQ(rig.link.writes, expected);
        EXPECT_EQ(progress.calls, c.progress);
        const bool ethernet = QLatin1String(c.port) == QLatin1String("ETHERNET");
        // Ethernet pauses 50 ms after each send of its own.
        const std::vector<int> pauses =
            ethernet ? std::vector<int>(c.size > 0 ? std::vector<int>{50, 50, 100, 100, 50}
                                                   : std::vector<int>{50, 100, 100, 50})
                     : std::vector<int>{100, 100};
        EXPECT_EQ(rig.pacer.pauses, pauses);
        EXPECT_TRUE(rig.messages.entries.empty());
    }
}

TEST_F(Download, KeepsAUsbDeviceOpenForTheWholeDownloadOnly) {
    rig.ConnectAndClear(QStringLiteral("USB"));
    const QString path = WriteFile(files.path(), QStringLiteral("logo.pcx"), Pattern(5000));
    PcxDownload download(rig.port, rig.pacer);
    download.Convert(path, PictureType::Pcx, DitherMethod::None, temporary.path(), now);
    ASSERT_TRUE(download.Open());
    ProgressRecord progress;
    download.Send(QStringLiteral("logo"), progress.Sink());
    EXPECT_EQ(rig.link.writes.size(), 5u);
    // Opened once when the download begins, closed when it ends, never in between.
    EXPECT_EQ(rig.link.events.filter(QStringLiteral("open")).size(), 1);
    EXPECT_EQ(rig.link.events.last(), QStringLiteral("close"));
    EXPECT_EQ(rig.link.events.indexOf(QStringLiteral("open USB USB")), rig.link.events.size() - 2);
}

// The picture is converted into a dated file in a folder only this user can enter, and both
// are gone once the download is over, also when it failed.
TEST_F(Download, ConvertsIntoAPrivateDatedFileAndRemovesIt) {
    const QImage scene = ColourScene(70, 40);
    const QString path = files.filePath(QStringLiteral("scene.png"));
    ASSERT_TRUE(scene.save(path, "PNG"));
    for (const bool linkFails : {false, true}) {
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        rig.link.acceptPerWrite = linkFails ? 0 : -1;
        PcxDownload download(rig.port, rig.pacer);
        const QString sent =
            download.Convert(path, PictureType::Png, DitherMethod::Bayer8, temporary.path(), now);
        EXPECT_EQ(sent, download.TemporaryPath());
        const QFileInfo file(sent);
        EXPECT_EQ(file.fileName(), QStringLiteral("20240131_230509.pcx"));
        EXPECT_EQ(file.dir().dirName().left(8), QStringLiteral("tagwell-"));
        const QFileDevice::Permissions folder = QFileInfo(file.path()).permissions();
        EXPECT_EQ(folder & 0x0077, 0) << "group or others may enter";
        EXPECT_EQ(folder & 0x7000, 0x7000);
        // Dithered pictures are not reduced again: only the pause after saving.
        EXPECT_EQ(rig.pacer.pauses, std::vector<int>{200});
        ASSERT_TRUE(download.Open());
        const QByteArray expected = PcxCodec::Write(Dithering::Apply(scene, DitherMethod::Bayer8));
        EXPECT_EQ(download.Size(), expected.size());
        ProgressRecord progress;
        const PcxDownload::Outcome outcome =
            download.Send(QStringLiteral("scene"), progress.Sink());
        EXPECT_EQ(outcome,
                  linkFails ? PcxDownload::Outcome::WriteFailed : PcxDownload::Outcome::Completed);
        if (!linkFails) {
            EXPECT_EQ(rig.link.writes.at(1), expected);
        }
        EXPECT_FALSE(QFileInfo::exists(sent));
        EXPECT_EQ(TemporaryLeft(), QStringList());
        EXPECT_EQ(progress.calls.last(), QStringLiteral("value 0"));
    }
}

// A link that refuses bytes part way stops the download there: no more blocks, no trailer.
TEST_F(Download, StopsAtTheFirstFailedWrite) {
    rig.ConnectAndClear(QStringLiteral("USB"));
    const QString path = WriteFile(files.path(), QStringLiteral("logo.pcx"), Pattern(5000));
    PcxDownload download(rig.port, rig.pacer);
    download.Convert(path, PictureType::Pcx, DitherMethod::None, temporary.path(), now);
    ASSERT_TRUE(download.Open());
    ProgressRecord progress;
    TransferProgress sink = progress.Sink();
    const auto step = sink.step;
    sink.step = [&] {
        step();
        rig.link.writeFails = true;
    };
    EXPECT_EQ(download.Send(QStringLiteral("logo"), sink), PcxDownload::Outcome::WriteFailed);
    // Header, the first block, then four attempts at the second.
    ASSERT_EQ(rig.link.writes.size(), 6u);
    EXPECT_EQ(rig.link.writes[5].size(), 2048);
    EXPECT_EQ(rig.messages.Warnings(),
              QStringList{QStringLiteral("Port error! Check printer's port, please.")});
    EXPECT_EQ(progress.calls, (QStringList{QStringLiteral("range 2"), QStringLiteral("step"),
                                           QStringLiteral("value 0")}));
    EXPECT_EQ(rig.link.events.last(), QStringLiteral("close"));
}

TEST_F(Download, AFileThatShrinksUnderwayFailsInsteadOfSendingTooLittle) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    const QString path = WriteFile(files.path(), QStringLiteral("logo.pcx"), Pattern(5000));
    PcxDownload download(rig.port, rig.pacer);
    download.Convert(path, PictureType::Pcx, DitherMethod::None, temporary.path(), now);
    ASSERT_TRUE(download.Open());
    QFile::resize(path, 3000);
    ProgressRecord progress;
    EXPECT_EQ(download.Send(QStringLiteral("logo"), progress.Sink()),
              PcxDownload::Outcome::ReadFailed);
    ASSERT_EQ(rig.link.writes.size(), 2u);
    EXPECT_EQ(rig.link.writes[0], QByteArray("IS5000,'logo'"));
}

TEST_F(Download, AnUnopenableFileIsReported) {
    PcxDownload download(rig.port, rig.pacer);
    download.Convert(files.filePath(QStringLiteral("gone.pcx")), PictureType::Pcx,
                     DitherMethod::None, temporary.path(), now);
    EXPECT_FALSE(download.Open());
    EXPECT_TRUE(rig.link.writes.empty());
}

}  // namespace

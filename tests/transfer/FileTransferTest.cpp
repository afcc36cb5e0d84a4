// A file sent unchanged on each kind of link: the write boundaries, the progress, the serial
// time-outs around the transfer, the USB keep-open bracket, and what a failing link or a file
// that changed underway does.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "support/TestRig.h"
#include "support/Widgets.h"
#include "transfer/FileTransfer.h"

namespace {

QByteArray Pattern(qint64 size) {
    QByteArray bytes(size, '\0');
    for (qint64 i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}

// What the progress bar was told, in order ("range 4", "step", "value 20"), and the read time-out
// of the link at every step, to see which record was in force while blocks went.
struct ProgressRecord {
    QStringList calls;
    std::vector<std::uint32_t> timeoutsAtStep;
    TransferProgress Sink(FakeLink& link) {
        return {[this](int maximum) { calls << QStringLiteral("range %1").arg(maximum); },
                [this](int value) { calls << QStringLiteral("value %1").arg(value); },
                [this, &link] {
                    calls << QStringLiteral("step");
                    timeoutsAtStep.push_back(link.timeouts ? link.timeouts->readTotalConstant : 0);
                }};
    }
};

class Transfer : public testing::Test {
protected:
    TestRig rig;
    QTemporaryDir files;
};

struct LinkCase {
    const char* port;
    qint64 size;
    std::vector<qint64> blocks;  // the writes, in order
    QStringList progress;
    QStringList events = {};  // what the link saw during the transfer
};

TEST_F(Transfer, SendsTheFileUnchangedInBlocksForEachLink) {
    constexpr qint64 kLarge = 2 * BlockSender::kEthernetBlockSize + 100;
    const QStringList timeouts = Texts({"timeouts", "timeouts"});
    const LinkCase cases[] = {
        {.port = "COM1:",
         .size = 10000,
         .blocks = {2048, 2048, 2048, 2048, 1808},
         .progress = Texts({"range 4", "step", "step", "step", "step", "value 0"}),
         .events = timeouts},
        {.port = "COM1:",
         .size = 4096,
         .blocks = {2048, 2048, 0},
         .progress = Texts({"range 2", "step", "step", "value 0"}),
         .events = timeouts},
        {.port = "COM1:",
         .size = 0,
         .blocks = {0},
         .progress = Texts({"range 0", "value 0"}),
         .events = timeouts},
        {.port = "LPT1:",
         .size = 5000,
         .blocks = {2048, 2048, 904},
         .progress = Texts({"range 2", "step", "step", "value 0"}),
         .events = timeouts},
        // The device opens once for the whole transfer.
        {.port = "USB",
         .size = 5000,
         .blocks = {2048, 2048, 904},
         .progress = Texts({"range 2", "step", "step", "value 0"}),
         .events = Texts({"close", "open USB USB", "timeouts", "timeouts", "close"})},
        {.port = "ETHERNET",
         .size = 10000,
         .blocks = {10000},
         .progress = Texts({"range 2", "value 20"})},
        {.port = "ETHERNET", .size = 0, .blocks = {}, .progress = Texts({"range 0", "value 20"})},
        // Beyond one block the bar follows the bytes sent, in units of 4096.
        {.port = "ETHERNET",
         .size = kLarge,
         .blocks = {BlockSender::kEthernetBlockSize, BlockSender::kEthernetBlockSize, 100},
         .progress = Texts({"range 2048", "value 20", "value 1024", "value 2048"})},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(std::string(c.port) + " " + std::to_string(c.size));
        rig.ConnectAndClear(QLatin1String(c.port));
        rig.pacer.keepPaintedCalls = 0;
        const QByteArray bytes = Pattern(c.size);
        const QString path = WriteFile(files.path(), QStringLiteral("job.bin"), bytes);
        ProgressRecord progress;
        FileTransfer transfer(rig.port, rig.pacer);
        EXPECT_EQ(transfer.Send(path, c.size, progress.Sink(rig.link)),
                  FileTransfer::Outcome::Completed);

        std::vector<QByteArray> expected;
        qint64 at = 0;
        for (const qint64 block : c.blocks) {
            expected.push_back(bytes.mid(at, block));
            at += block;
        }
        EXPECT_TRUE(rig.link.writes == expected);
        EXPECT_EQ(progress.calls, c.progress);
        EXPECT_EQ(rig.link.events, c.events);
        // The long time-outs while blocks go, the usual ones afterwards.
        for (const std::uint32_t during : progress.timeoutsAtStep) {
            EXPECT_EQ(during, 20000u);
        }
        if (!c.events.isEmpty()) {
            ASSERT_TRUE(rig.link.timeouts.has_value());
            EXPECT_EQ(rig.link.timeouts->readTotalConstant, 3000u);
            EXPECT_EQ(rig.link.timeouts->writeTotalConstant, 3000u);
        }
        // The windows are repainted after every block.
        EXPECT_EQ(rig.pacer.keepPaintedCalls, static_cast<int>(c.blocks.size()));
        EXPECT_TRUE(rig.messages.entries.empty());
        // A networked printer settles once, after the last block; a stream of blocks does not
        // wait between them.
        if (QLatin1String(c.port) == QLatin1String("ETHERNET")) {
            EXPECT_EQ(rig.pacer.pauses, c.blocks.empty() ? std::vector<int>{} : std::vector{50});
        }
    }
}

// Whatever goes wrong once the file is open, the link gets its usual time-outs back and a USB
// device is let go.
TEST_F(Transfer, StopsAtTheFirstFailedWriteAndRestoresTheLink) {
    for (const char* port : {"COM1:", "USB"}) {
        SCOPED_TRACE(port);
        rig.ConnectAndClear(QLatin1String(port));
        const QString path = WriteFile(files.path(), QStringLiteral("job.bin"), Pattern(10000));
        ProgressRecord progress;
        TransferProgress sink = progress.Sink(rig.link);
        const auto step = sink.step;
        sink.step = [&] {
            step();
            rig.link.writeFails = true;
        };
        FileTransfer transfer(rig.port, rig.pacer);
        EXPECT_EQ(transfer.Send(path, 10000, sink), FileTransfer::Outcome::WriteFailed);
        rig.link.writeFails = false;
        // The first block, then four attempts at the second; nothing after.
        ASSERT_EQ(rig.link.writes.size(), 5u);
        EXPECT_EQ(rig.messages.Warnings(),
                  QStringList{QStringLiteral("Port error! Check printer's port, please.")});
        EXPECT_EQ(progress.calls, Texts({"range 4", "step", "value 0"}));
        ASSERT_TRUE(rig.link.timeouts.has_value());
        EXPECT_EQ(rig.link.timeouts->readTotalConstant, 3000u);
        if (QLatin1String(port) == QLatin1String("USB")) {
            EXPECT_EQ(rig.link.events.last(), QStringLiteral("close"));
            EXPECT_FALSE(rig.port.IsOpen());
        }
    }
}

struct ChangedFileCase {
    const char* name;
    qint64 sizeNow;  // the file's size when the transfer begins; 10000 were shown
    FileTransfer::Outcome outcome;
    qint64 sent;
};

// Exactly the size shown goes: a file that grew sends its first 10000 bytes, one that shrank
// fails at the block it cannot fill instead of sending a short file.
TEST_F(Transfer, SendsTheSizeShownOrFailsWhenTheFileShrank) {
    const ChangedFileCase cases[] = {
        {.name = "grew",
         .sizeNow = 15000,
         .outcome = FileTransfer::Outcome::Completed,
         .sent = 10000},
        {.name = "shrank",
         .sizeNow = 3000,
         .outcome = FileTransfer::Outcome::ReadFailed,
         .sent = 2048},
    };
    for (const char* port : {"COM1:", "ETHERNET"}) {
        for (const ChangedFileCase& c : cases) {
            SCOPED_TRACE(std::string(port) + " " + c.name);
            rig.ConnectAndClear(QLatin1String(port));
            const QByteArray bytes = Pattern(c.sizeNow);
            const QString path = WriteFile(files.path(), QStringLiteral("job.bin"), bytes);
            ProgressRecord progress;
            FileTransfer transfer(rig.port, rig.pacer);
            EXPECT_EQ(transfer.Send(path, 10000, progress.Sink(rig.link)), c.outcome);
            const bool ethernetShrank = QLatin1String(port) == QLatin1String("ETHERNET") &&
                                        c.outcome == FileTransfer::Outcome::ReadFailed;
            EXPECT_EQ(rig.link.Written(), ethernetShrank ? QByteArray() : bytes.left(c.sent));
        }
    }
}

TEST_F(Transfer, ReopensOnlySerialAndParallelPorts) {
    const struct {
        const char* port;
        bool reopened;
    } cases[] = {{"COM1:", true}, {"LPT1:", true}, {"USB", false}, {"ETHERNET", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port);
        rig.ConnectAndClear(QLatin1String(c.port));
        FileTransfer(rig.port, rig.pacer).ReopenPort();
        EXPECT_EQ(rig.link.events.filter(QStringLiteral("open ")).size(), c.reopened ? 1 : 0);
    }
}

TEST_F(Transfer, AFileThatCannotBeOpenedSendsNothing) {
    rig.ConnectAndClear(QStringLiteral("USB"));
    ProgressRecord progress;
    FileTransfer transfer(rig.port, rig.pacer);
    EXPECT_EQ(
        transfer.Send(files.filePath(QStringLiteral("gone.bin")), 10, progress.Sink(rig.link)),
        FileTransfer::Outcome::CannotOpen);
    EXPECT_TRUE(rig.link.writes.empty());
    EXPECT_TRUE(rig.link.events.isEmpty());
    EXPECT_TRUE(progress.calls.isEmpty());
}

}  // namespace

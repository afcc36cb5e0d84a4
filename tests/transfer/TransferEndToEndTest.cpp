// A file of every byte value through the File Transfer window to the printer simulator over TCP
// and a pseudo-terminal: the printer receives it unchanged, outside any command.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "sim/RawData.h"
#include "support/SimRig.h"
#include "support/Widgets.h"
#include "transfer/FileTransferWindow.h"

namespace {

class TransferOver : public testing::TestWithParam<SimRig::Transport> {};

TEST_P(TransferOver, AFileOfEveryByteValueArrivesUnchanged) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    constexpr int kSize = 1024 * 1024;
    QByteArray bytes(kSize, '\0');
    for (int i = 0; i < kSize; ++i) {
        bytes[i] = static_cast<char>(i & 0xFF);
    }
    QTemporaryDir folder;
    rig.files.answers.push_back(WriteFile(folder.path(), QStringLiteral("every.bin"), bytes));
    FileTransferWindow window(rig.Context());
    Click(window, "browseButton");
    Click(window, "downloadButton");
    EXPECT_EQ(rig.messages.Texts(),
              QStringList{QStringLiteral("Binary file download is completed.")});

    ASSERT_TRUE(
        rig.WaitFor([](const sim::PrinterState& state) { return state.raw.Count() >= kSize; }));
    const sim::RawData raw = rig.printer.Snapshot().raw;
    EXPECT_EQ(raw.Count(), static_cast<std::uint64_t>(kSize));
    EXPECT_EQ(raw.HashValue(),
              sim::RawData::Hash(std::string_view(bytes.constData(), bytes.size())));
    EXPECT_TRUE(raw.Kept() == bytes.toStdString());
    // No byte of it was taken for a command.
    EXPECT_TRUE(rig.printer.Snapshot().labels.current.lines.empty());
}

// A printer that goes away halfway: the transfer stops with its warning instead of reporting
// completion, and nothing waits longer than the link's bounds.
TEST_P(TransferOver, APrinterThatDropsTheLinkEndsTheTransferWithAWarning) {
    SimRig rig(GetParam());
    ASSERT_TRUE(rig.Connect());
    rig.server.SetMisbehaviour({.dropAfterBytes = 64 * 1024});
    // More than the system's socket buffers can take in after the printer is gone.
    const QByteArray bytes(24 * 1024 * 1024, 'x');
    QTemporaryDir folder;
    rig.files.answers.push_back(WriteFile(folder.path(), QStringLiteral("large.bin"), bytes));
    FileTransferWindow window(rig.Context());
    Click(window, "browseButton");
    Click(window, "downloadButton");
    ASSERT_FALSE(rig.messages.Warnings().isEmpty());
    EXPECT_EQ(rig.messages.Warnings().last(), QStringLiteral("Binary file download failed."));
    EXPECT_TRUE(rig.messages.Informations().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Transports, TransferOver, testing::ValuesIn(kTransports),
                         TransportTestName);

}  // namespace

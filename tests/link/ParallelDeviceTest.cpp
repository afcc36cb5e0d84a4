// The parallel device's bounded reads and writes, on a FIFO standing in for /dev/lp.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QTemporaryDir>

#include "link/ParallelDevice.h"

namespace {

TEST(ParallelDevice, MovesBytesAndGivesUpOnSilenceWithinItsTimeOut) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lp0"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    int waits = 0;
    auto device = ParallelDevice::Open(path, [&waits] { ++waits; });
    ASSERT_NE(device, nullptr);
    SerialTimeouts quick;
    quick.readTotalConstant = 50;
    quick.writeTotalConstant = 50;
    device->SetTimeouts(quick);

    const IoResult written = device->Write(QByteArrayView("P1\r\n"));
    EXPECT_EQ(written.count, 4);
    EXPECT_FALSE(written.failed);
    char buffer[8] = {};
    const IoResult read = device->Read(std::span<char>(buffer, sizeof buffer));
    EXPECT_EQ(read.count, 4);  // what came, after waiting out the time-out for the rest
    EXPECT_FALSE(read.failed);
    EXPECT_EQ(QByteArray(buffer, 4), QByteArray("P1\r\n"));
    EXPECT_GT(waits, 0) << "the windows were not kept painted while waiting";

    const IoResult silent = device->Read(std::span<char>(buffer, sizeof buffer));
    EXPECT_EQ(silent.count, 0);
    EXPECT_FALSE(silent.failed);
    EXPECT_EQ(device->ParallelStatus(), std::nullopt);  // not a parallel port
    EXPECT_EQ(ParallelDevice::Open(folder.filePath(QStringLiteral("missing")), [] {}), nullptr);
}

}  // namespace

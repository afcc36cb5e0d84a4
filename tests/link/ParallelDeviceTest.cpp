// The parallel device's bounded reads and writes, on a FIFO standing in for /dev/lp, and the
// reasons devices are refused.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QTemporaryDir>
#include <functional>

#include "link/DeviceOpening.h"
#include "link/ParallelDevice.h"
#include "link/SerialDevice.h"
#include "sim/Printer.h"
#include "sim/Server.h"

namespace {

// A parallel device on a FIFO in a folder of its own: what is written comes back to be read.
struct FifoDevice {
    FifoDevice() {
        const QString path = folder.filePath(QStringLiteral("lp0"));
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        device = ParallelDevice::Open(path, [this] { ++waits; });
    }
    QTemporaryDir folder;
    int waits = 0;
    std::unique_ptr<ParallelDevice> device;
};

TEST(ParallelDevice, MovesBytesAndGivesUpOnSilenceWithinItsTimeOut) {
    FifoDevice fifo;
    auto& device = fifo.device;
    const int& waits = fifo.waits;
    const QTemporaryDir& folder = fifo.folder;
    ASSERT_NE(device, nullptr);
    SerialTimeouts quick;
    quick.readTotalConstant = 50;
    quick.writeTotalConstant = 50;
    device->SetTimeouts(quick);

    const IoResult written = device->Write(QByteArrayView("P1\r\n"));
    EXPECT_EQ(written.count, 4);
    EXPECT_FALSE(written.failed);
    char buffer[8] = {};
    const IoResult read = device->Read(std::span<char>(buffer, sizeof buffer), ReadEnd::Length);
    EXPECT_EQ(read.count, 4);  // what came, after waiting out the time-out for the rest
    EXPECT_FALSE(read.failed);
    EXPECT_EQ(QByteArray(buffer, 4), QByteArray("P1\r\n"));
    EXPECT_GT(waits, 0) << "the windows were not kept painted while waiting";

    const IoResult silent = device->Read(std::span<char>(buffer, sizeof buffer), ReadEnd::Length);
    EXPECT_EQ(silent.count, 0);
    EXPECT_FALSE(silent.failed);
    EXPECT_EQ(device->ParallelStatus(), std::nullopt);  // not a parallel port
    EXPECT_EQ(ParallelDevice::Open(folder.filePath(QStringLiteral("missing")), [] {}), nullptr);
}

TEST(ParallelDevice, ATextReplyEndsAtItsLineFeedAndUnreadInputCanBeDropped) {
    FifoDevice fifo;
    auto& device = fifo.device;
    ASSERT_NE(device, nullptr);
    SerialTimeouts slow;
    slow.readTotalConstant = 60000;  // a read that waited for all its bytes would never end here
    device->SetTimeouts(slow);

    ASSERT_EQ(device->Write(QByteArrayView("203\r\n")).count, 5);
    char buffer[32] = {};
    const IoResult line = device->Read(std::span<char>(buffer, sizeof buffer), ReadEnd::LineEnd);
    EXPECT_EQ(line.count, 5);
    EXPECT_EQ(QByteArray(buffer, 5), QByteArray("203\r\n"));
    EXPECT_EQ(fifo.waits, 0) << "the read waited although its line had ended";

    // A late reply left in the link is gone after DiscardInput; the next reply reads alone.
    ASSERT_EQ(device->Write(QByteArrayView("832\r\n")).count, 5);
    device->DiscardInput();
    ASSERT_EQ(device->Write(QByteArrayView("1216\r\n")).count, 6);
    const IoResult next = device->Read(std::span<char>(buffer, sizeof buffer), ReadEnd::LineEnd);
    EXPECT_EQ(QByteArray(buffer, next.count), QByteArray("1216\r\n"));
}

}  // namespace

// A device that another program holds is refused with the reason a person can act on: the lock
// of another opener of a parallel port, another program's hold on a serial line.
TEST(DeviceOpening, AHeldDeviceIsRefusedAsBusyAndAMissingOneAsNotFound) {
    FifoDevice fifo;
    ASSERT_NE(fifo.device, nullptr);
    const QString lp = fifo.folder.filePath(QStringLiteral("lp0"));
    int error = 0;
    EXPECT_EQ(ParallelDevice::Open(
                  lp, [] {}, &error),
              nullptr)
        << "a second opener got in";
    EXPECT_EQ(DeviceOpening::FaultOf(error), DeviceFault::Busy);
    fifo.device.reset();
    EXPECT_NE(ParallelDevice::Open(
                  lp, [] {}, &error),
              nullptr)
        << "the hold outlived its device";

    sim::Printer printer("QX-M43");
    sim::Server server(printer);
    ASSERT_TRUE(server.OpenPty()) << server.LastError();
    const QString tty = QString::fromStdString(server.PtyPath());
    const auto held = SerialDevice::Open(tty, [] {});
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(SerialDevice::Open(
                  tty, [] {}, &error),
              nullptr)
        << "a second opener got in";
    EXPECT_EQ(DeviceOpening::FaultOf(error), DeviceFault::Busy);

    const struct {
        std::function<bool(const QString&, int*)> open;
    } kinds[] = {
        {[](const QString& path, int* e) {
            return ParallelDevice::Open(
                       path, [] {}, e) != nullptr;
        }},
        {[](const QString& path, int* e) {
            return SerialDevice::Open(
                       path, [] {}, e) != nullptr;
        }},
    };
    for (const auto& kind : kinds) {
        for (const QString& path : {QString(), fifo.folder.filePath(QStringLiteral("lp9"))}) {
            EXPECT_FALSE(kind.open(path, &error)) << path.toStdString();
            EXPECT_EQ(DeviceOpening::FaultOf(error), DeviceFault::NotFound) << path.toStdString();
        }
    }
}

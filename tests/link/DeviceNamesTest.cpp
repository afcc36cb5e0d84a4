#include <gtest/gtest.h>

#include "link/ParallelDevice.h"
#include "link/SerialDirectory.h"
#include "link/SystemPortPlatform.h"

#include <linux/lp.h>

namespace {

TEST(ParallelStatus, MapsTheLpLinesOntoTheStatusByte) {
    struct Case {
        int lp;
        std::uint8_t status;
    };
    // The lp driver reports BUSY and ERROR inverted.
    const Case cases[] = {
        {LP_PSELECD | LP_PBUSY | LP_PERRORP, 0x80},              // ready
        {LP_PSELECD | LP_PERRORP, 0xC0},                         // busy
        {LP_PSELECD | LP_PBUSY, 0x88},                           // error / off line
        {LP_PSELECD | LP_PBUSY | LP_PERRORP | LP_POUTPA, 0x84},  // paper out
        {LP_PBUSY | LP_PERRORP, 0x00},                           // not selected
        {0, 0x48},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParallelDevice::StatusByte(c.lp), c.status) << c.lp;
    }
}

TEST(SerialDirectory, ListsAdaptersBeforeBuiltInPortsInNaturalOrder) {
    const QStringList ordered =
        SerialDirectory::Ordered({QStringLiteral("/dev/ttyUSB10"), QStringLiteral("/dev/ttyACM0"),
                                  QStringLiteral("/dev/ttyUSB2")},
                                 {QStringLiteral("/dev/ttyS1"), QStringLiteral("/dev/ttyS0")});
    EXPECT_EQ(ordered, (QStringList{QStringLiteral("/dev/ttyACM0"), QStringLiteral("/dev/ttyUSB2"),
                                    QStringLiteral("/dev/ttyUSB10"), QStringLiteral("/dev/ttyS0"),
                                    QStringLiteral("/dev/ttyS1")}));
}

TEST(SerialDirectory, ReadsComAndLptNumbers) {
    const std::pair<const char*, int> com[] = {{"COM1:", 1}, {"COM10:", 10}, {"COM3", 3},
                                               {"COM0:", 0}, {"COMx:", 0},   {"LPT1:", 0}};
    for (const auto& [name, number] : com) {
        EXPECT_EQ(SerialDirectory::ComNumber(QLatin1String(name)), number) << name;
    }
    const std::pair<const char*, const char*> lpt[] = {
        {"LPT1:", "/dev/lp0"}, {"LPT4:", "/dev/lp3"}, {"LPT0:", ""}, {"LPTx", ""}};
    for (const auto& [name, path] : lpt) {
        EXPECT_EQ(SystemPortPlatform::DevicePathFor(PortKind::Parallel, QLatin1String(name)),
                  QLatin1String(path))
            << name;
    }
}

}  // namespace

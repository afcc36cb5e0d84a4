#include <gtest/gtest.h>

#include "link/ParallelDevice.h"
#include "link/SerialDirectory.h"
#include "link/SystemPortPlatform.h"
#include "support/Widgets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST(SerialDirectory, ListsEachFamilyInNaturalOrderOneAfterTheOther) {
    const QStringList ordered = SerialDirectory::Ordered(
        {Texts({"/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyUSB2"}), Texts({"/dev/rfcomm0"}),
         Texts({"/dev/ttyS1", "/dev/ttyS0"}), Texts({"/dev/ttyAMA0"})});
    EXPECT_EQ(ordered, Texts({"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/rfcomm0",
                              "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyAMA0"}));
}

TEST(SerialDirectory, ReadsPinsAndSkipsWhatIsNotAPin) {
    const SerialDirectory::Pins pins = SerialDirectory::ReadPins(
        QStringLiteral("# my printers\n"
                       "COM3=/dev/serial/by-id/usb-FTDI_FT232R-if00-port0\n"
                       "  COM1: = /dev/rfcomm0  \n"
                       "\n"
                       "COM11=/dev/ttyS5\n"
                       "COM0=/dev/ttyS6\n"
                       "COM2=\n"
                       "LPT1=/dev/lp0\n"
                       "COM4 /dev/ttyS7\n"
                       "COM3=/dev/ttyUSB9\n"));  // a later pin of the same name wins
    EXPECT_EQ(pins, (SerialDirectory::Pins{{1, QStringLiteral("/dev/rfcomm0")},
                                           {3, QStringLiteral("/dev/ttyUSB9")}}));
}

TEST(SerialDirectory, PinnedNamesTakeTheirDevicesAndTheOthersTheRestInOrder) {
    const auto same = [](const QString& a, const QString& b) {
        // "/dev/serial/by-id/adapter" is a link to /dev/ttyUSB1.
        const auto resolve = [](const QString& path) {
            return path == QStringLiteral("/dev/serial/by-id/adapter")
                       ? QStringLiteral("/dev/ttyUSB1")
                       : path;
        };
        return resolve(a) == resolve(b);
    };
    struct Case {
        SerialDirectory::Pins pins;
        QStringList automatic;
        QStringList devices;  // COM1.. as far as any is given
    };
    const Case cases[] = {
        {.pins = {},
         .automatic = Texts({"/dev/ttyUSB0", "/dev/ttyUSB1"}),
         .devices = Texts({"/dev/ttyUSB0", "/dev/ttyUSB1"})},
        // A pinned device is not offered a second time; the free names keep their order.
        {.pins = {{3, QStringLiteral("/dev/serial/by-id/adapter")}},
         .automatic = Texts({"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyS1"}),
         .devices =
             Texts({"/dev/ttyUSB0", "/dev/ttyS0", "/dev/serial/by-id/adapter", "/dev/ttyS1"})},
        // A device no family lists (a virtual port) is reached through its pin.
        {.pins = {{1, QStringLiteral("/dev/tnt0")}},
         .automatic = Texts({"/dev/ttyS0"}),
         .devices = Texts({"/dev/tnt0", "/dev/ttyS0"})},
        {.pins = {{10, QStringLiteral("/dev/ttyS9")}},
         .automatic = {},
         .devices = Texts({"", "", "", "", "", "", "", "", "", "/dev/ttyS9"})},
    };
    for (const Case& c : cases) {
        QStringList expected = c.devices;
        while (expected.size() < SerialDirectory::kComNames) {
            expected << QString();
        }
        EXPECT_EQ(SerialDirectory::Assign(c.pins, c.automatic, same), expected);
    }
}

TEST(SerialDirectory, APinFileInTheUsersConfigurationNamesTheDevice) {
    QTemporaryDir config;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    ASSERT_TRUE(QDir().mkpath(config.filePath(QStringLiteral("tagwell"))));
    WriteFile(QDir(config.filePath(QStringLiteral("tagwell"))), QStringLiteral("serial-ports.conf"),
              "COM7=/dev/serial/by-id/usb-Printer-if00\n");
    EXPECT_EQ(SerialDirectory::PinFile(),
              config.filePath(QStringLiteral("tagwell/serial-ports.conf")));
    EXPECT_EQ(SerialDirectory::DeviceFor(QStringLiteral("COM7:")),
              QStringLiteral("/dev/serial/by-id/usb-Printer-if00"));
    EXPECT_EQ(SystemPortPlatform::DevicePathFor(PortKind::Serial, QStringLiteral("COM7:")),
              QStringLiteral("/dev/serial/by-id/usb-Printer-if00"));
    EXPECT_EQ(SerialDirectory::DeviceFor(QStringLiteral("COM11:")), QString());
    qputenv("XDG_CONFIG_HOME", saved);
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

// USB printers found through the system's device database and used through their device nodes,
// on a fake device tree made by umockdev: which printer "USB" stands for, a settings exchange
// and a picture download with the printer simulator behind the node, and the reasons a node
// cannot be opened.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <chrono>
#include <thread>
#include <vector>

#include "images/PcxDownload.h"
#include "link/PrinterPort.h"
#include "link/SystemPortPlatform.h"
#include "main/MainWindow.h"
#include "main/ModelIdentity.h"
#include "settings/SettingsProtocol.h"
#include "sim/Printer.h"
#include "sim/Server.h"
#include "support/FakeSpooler.h"
#include "support/RecordingHost.h"
#include "support/Widgets.h"
#include "usb/UsbTestbed.h"

namespace {

#define REQUIRE_UMOCKDEV()                                                                \
    if (!UsbTestbed::Active()) {                                                          \
        GTEST_SKIP() << "umockdev's preload library is not loaded (LD_PRELOAD="           \
                        "libumockdev-preload.so.0): the fake USB devices cannot be made"; \
    }

using Device = UsbTestbed::Device;

constexpr const char* kPrinterClass = "07";
constexpr const char* kHidClass = "03";

Device Printer(const char* usbPort, const char* vendor, const char* product, const char* node,
               const char* interfaceClass = kPrinterClass) {
    return {usbPort, vendor, product, interfaceClass, node};
}

// Makes a folder and everything in it belong to `user`.
bool GiveTree(const QString& root, uid_t user) {
    bool given = ::lchown(QFile::encodeName(root).constData(), user, user) == 0;
    QDirIterator entries(root,
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        given = ::lchown(QFile::encodeName(entries.next()).constData(), user, user) == 0 && given;
    }
    return given;
}

// Counts the devices the port opens, around the machine's own platform.
class CountingPlatform : public PortPlatform {
public:
    explicit CountingPlatform(PortPlatform& inner) : inner_(inner) {}
    DeviceOpening OpenDevice(PortKind kind, const QString& portName) override {
        ++opens;
        return inner_.OpenDevice(kind, portName);
    }
    std::unique_ptr<TcpStream> CreateStream() override { return inner_.CreateStream(); }
    std::optional<UsbPrinter> FindUsbPrinter() const override { return inner_.FindUsbPrinter(); }

    int opens = 0;

private:
    PortPlatform& inner_;
};

// A printer simulator behind a fake USB printer node, and the port that "USB" names.
struct UsbRig : RecordingHost {
    explicit UsbRig(const Device& device, const std::string& model = "QX-M43")
        : RecordingHost(true),
          printer(model),
          server(printer),
          system([this] { pacer.KeepPainted(); }),
          counting(system),
          port(counting, *this) {
        node = testbed.Add(device);
        EXPECT_TRUE(server.AttachPty(testbed.MasterOf(node))) << server.LastError();
        EXPECT_TRUE(server.Start()) << server.LastError();
        port.SetPortName(QStringLiteral("USB"));
    }
    ~UsbRig() override {
        port.Close();
        server.Stop();
    }

    UsbTestbed testbed;
    QString node;
    sim::Printer printer;
    sim::Server server;
    SystemPortPlatform system;
    CountingPlatform counting;
    PrinterPort port;
};

TEST(UsbDiscovery, TheFirstSupportedPrinterInTheSystemsOrderIsUsedAndNamesTheModel) {
    REQUIRE_UMOCKDEV();
    const struct Case {
        const char* what;
        std::vector<Device> devices;
        int model = -1;  // -1: none found
        const char* node = nullptr;
    } cases[] = {
        {.what = "two supported printers: the first enumerated wins over the table's order",
         .devices = {Printer("1-1", "3a5e", "0143", "usb/lp0"),
                     Printer("1-2", "3a5e", "0512", "usb/lp1")},
         .model = 3,
         .node = "/dev/usb/lp0"},
        {.what = "an unsupported printer before a supported one",
         .devices = {Printer("1-1", "04b8", "0202", "usb/lp0"),
                     Printer("1-2", "3a5e", "0225", "usb/lp1")},
         .model = 7,
         .node = "/dev/usb/lp1"},
        {.what = "model 0 comes from its own vendor",
         .devices = {Printer("1-1", "2e8f", "0510", "usb/lp0")},
         .model = 0,
         .node = "/dev/usb/lp0"},
        {.what = "model 0's product under the other models' vendor",
         .devices = {Printer("1-1", "3a5e", "0510", "usb/lp0")},
         .model = -1},
        {.what = "an unsupported printer only",
         .devices = {Printer("1-1", "04b8", "0202", "usb/lp0")},
         .model = -1},
        {.what = "a supported id on a device that is not a printer",
         .devices = {Printer("1-1", "3a5e", "0143", "usb/hiddev0", kHidClass)},
         .model = -1},
        {.what = "an id written in upper case",
         .devices = {Printer("1-1", "3A5E", "0143", "usb/lp0")},
         .model = -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UsbTestbed testbed;
        for (const Device& device : c.devices) {
            ASSERT_FALSE(testbed.Add(device).isEmpty());
        }
        RecordingHost host;
        SystemPortPlatform platform([] {});
        PrinterPort port(platform, host);
        port.SetPortName(QStringLiteral("USB"));
        EXPECT_EQ(port.Open(), c.model >= 0);
        EXPECT_EQ(port.Kind(), PortKind::Usb);
        EXPECT_EQ(port.UsbModelIndex(), c.model);
        const auto found = port.FindUsbPrinter();
        if (c.model < 0) {
            EXPECT_EQ(found, std::nullopt);
            EXPECT_EQ(port.LastOpenFailure().fault, DeviceFault::NoUsbPrinter);
            continue;
        }
        ASSERT_NE(found, std::nullopt);
        EXPECT_EQ(found->devicePath, QLatin1String(c.node));
        EXPECT_EQ(found->modelIndex, c.model);
        EXPECT_EQ(port.LastOpenFailure().fault, DeviceFault::None);
    }
}

TEST(UsbLink, ConnectsIdentifiesTheModelAndCarriesASettingsExchange) {
    REQUIRE_UMOCKDEV();
    UsbRig rig(Printer("1-3", "3a5e", "0143", "usb/lp0"));

    // As the main window connects: open, close, then the model query opens it for each call.
    ASSERT_TRUE(rig.port.Open());
    rig.port.Close();
    EXPECT_EQ(rig.port.UsbModelIndex(), 3);
    const auto model = ModelIdentity::Query(rig.port, rig.pacer);
    ASSERT_NE(model, std::nullopt);
    EXPECT_EQ(model->name, QStringLiteral("QX-M43"));
    EXPECT_EQ(model->index, 3);

    SettingsProtocol settings(rig.port, rig.pacer);
    ASSERT_TRUE(settings.SetUserValue(SettingsProtocol::UserValue::PaperWidth, 600));
    const auto width = settings.QueryText(
        SettingsProtocol::UserValueQuery(SettingsProtocol::UserValue::PaperWidth),
        SettingsProtocol::kReplyPauseMs, SettingsProtocol::kReplyBufferSize);
    EXPECT_TRUE(width.received);
    EXPECT_EQ(SettingsProtocol::StripLineEnds(width.text), QByteArray("600"));
    EXPECT_EQ(rig.printer.Snapshot().settings.userValues[0], 600);

    // The sensing distribution of this model comes in four reads of 16 bytes, each its own
    // opening of the device, after one opening that drops any late reply and one for the query.
    rig.counting.opens = 0;
    const auto sensing = settings.ReadSensing(100, SettingsProtocol::SensingType::Gap);
    EXPECT_TRUE(sensing.exact);
    EXPECT_EQ(rig.counting.opens, 1 + 1 + 4);
    EXPECT_FALSE(rig.port.IsOpen()) << "USB stays closed between exchanges";
    EXPECT_TRUE(rig.messages.Texts().isEmpty()) << rig.messages.Texts().join(u'\n').toStdString();
}

TEST(UsbLink, APictureDownloadOpensTheDeviceOnce) {
    REQUIRE_UMOCKDEV();
    UsbRig rig(Printer("1-1", "3a5e", "0140", "usb/lp0"), "QX-M40");
    ASSERT_TRUE(rig.port.Open());
    rig.port.Close();

    QTemporaryDir folder;
    QImage picture(64, 16, QImage::Format_Mono);
    picture.fill(1);
    const QString path = folder.filePath(QStringLiteral("Tag.png"));
    ASSERT_TRUE(picture.save(path));
    PcxDownload download(rig.port, rig.pacer);
    download.Convert(path, PictureType::Bmp, DitherMethod::None, folder.path(), QDateTime());
    ASSERT_TRUE(download.Open());
    rig.counting.opens = 0;
    const TransferProgress progress{[](int) {}, [](int) {}, [] {}};
    EXPECT_EQ(download.Send(QStringLiteral("Tag"), progress), PcxDownload::Outcome::Completed);
    EXPECT_EQ(rig.counting.opens, 1) << "the keep-open bracket holds the device for the download";
    EXPECT_FALSE(rig.port.IsOpen());

    const auto stored = [](const sim::PrinterState& state) {
        return state.images.stored.count("Tag") == 1;
    };
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!stored(rig.printer.Snapshot()) && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(stored(rig.printer.Snapshot()));
    EXPECT_EQ(rig.printer.Snapshot().images.stored.at("Tag").width, 64);
}

TEST(UsbLink, ANodeAnotherProgramHoldsIsRefusedAndTheMainWindowSaysWhy) {
    REQUIRE_UMOCKDEV();
    UsbTestbed testbed;
    const QString node = testbed.Add(Printer("1-1", "3a5e", "0245", "usb/lp0"));
    // The other program: it opened the printer and locked it.
    const int held = ::open(QFile::encodeName(node).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);

    RecordingHost host;
    SystemPortPlatform platform([] {});
    PrinterPort port(platform, host);
    FakeSpooler spooler;
    MainWindow window(host.ContextFor(port, -1), spooler);
    Find<QRadioButton>(window, "usbRadio")->setChecked(true);
    EXPECT_EQ(Find<QLabel>(window, "usbDeviceLabel")->text(),
              QStringLiteral("USB printer: QX-R45 on /dev/usb/lp0"));
    Click(window, "connectButton");
    EXPECT_FALSE(window.IsConnected());
    EXPECT_EQ(port.LastOpenFailure().fault, DeviceFault::Busy);
    EXPECT_EQ(host.messages.Texts(),
              QStringList{QStringLiteral(
                  "Cannot open port! Please check printer and cable.\n\n/dev/usb/lp0 is held by "
                  "another program (a print queue or another Tagwell, say). Close it and connect "
                  "again.")});
    EXPECT_EQ(port.UsbModelIndex(), 5) << "the printer was found, only not opened";

    ::close(held);
    host.messages.Clear();
    EXPECT_TRUE(port.Open());
    port.Close();
}

// A user outside the group the node belongs to: the open fails for want of permission. As root
// the rights are not checked, so the open is tried in a child process that gave root up.
TEST(UsbLink, ANodeWithoutPermissionGivesThePermissionCause) {
    REQUIRE_UMOCKDEV();
    UsbTestbed testbed;
    const QString node = testbed.Add(Printer("1-1", "3a5e", "0222", "usb/lp0"));
    const QByteArray terminal = QFile::encodeName(testbed.TerminalOf(node));
    ASSERT_EQ(::chmod(terminal.constData(), 0), 0);
    constexpr uid_t kNobody = 65534;
    const bool root = ::geteuid() == 0;
    if (root) {
        // The fake tree itself (not the node's terminal) is the child's, so that it still finds
        // the printer.
        ASSERT_TRUE(GiveTree(testbed.RootDir(), kNobody));
    }

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(100);
        }
        RecordingHost host;
        SystemPortPlatform platform([] {});
        PrinterPort port(platform, host);
        port.SetPortName(QStringLiteral("USB"));
        const bool opened = port.Open();
        ::_exit(opened ? 101 : static_cast<int>(port.LastOpenFailure().fault));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(DeviceFault::Permission))
        << "100: could not give root up, 101: opened anyway";
}

}  // namespace

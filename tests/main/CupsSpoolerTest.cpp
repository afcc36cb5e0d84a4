// The spooler redirection against a real cupsd of the test's own, alone and in the main window.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>

#include "CupsDaemon.h"
#include "link/PrinterPort.h"
#include "link/SystemPortPlatform.h"
#include "main/CupsSpooler.h"
#include "main/MainWindow.h"
#include "sim/Printer.h"
#include "sim/Server.h"
#include "support/RecordingHost.h"
#include "support/Widgets.h"

namespace {

using State = SpoolerQueue::State;

// One cupsd for the whole suite: every test names its own queues and devices.
class CupsSpoolerTest : public testing::Test {
protected:
    static void SetUpTestSuite() { daemon_ = CupsDaemon::Start(why_); }
    static void TearDownTestSuite() { daemon_.reset(); }
    void SetUp() override {
        if (!daemon_) {
            GTEST_SKIP() << "cupsd could not be started: " << why_.toStdString();
        }
    }

    // A device of the test's own (a FIFO: queues print through the test backend, never to it).
    static QString Device(const QString& name) {
        QDir().mkpath(daemon_->Path(QStringLiteral("dev")));
        const QString path = daemon_->Path(QStringLiteral("dev/")) + name;
        mkfifo(path.toUtf8().constData(), 0600);
        return path;
    }
    static void AddQueue(const QString& name, const QString& uri, const QString& policy = {}) {
        ASSERT_TRUE(daemon_->AddQueue(name, uri, policy)) << name.toStdString();
    }
    static void Run(const char* tool, const QStringList& arguments) {
        ASSERT_TRUE(daemon_->Run(QLatin1String(tool), arguments)) << tool;
    }
    // The queues lpstat reports stopped, of those named.
    static QStringList StoppedOf(const QStringList& names) {
        QStringList stopped;
        for (const QString& name : names) {
            const std::optional<bool> isStopped = daemon_->Stopped(name);
            EXPECT_TRUE(isStopped.has_value()) << name.toStdString();
            if (isStopped.value_or(false)) {
                stopped << name;
            }
        }
        return stopped;
    }

    static std::unique_ptr<CupsDaemon> daemon_;
    static QString why_;
};

std::unique_ptr<CupsDaemon> CupsSpoolerTest::daemon_;
QString CupsSpoolerTest::why_;

TEST_F(CupsSpoolerTest, ListsTheLocalQueuesWithDeviceStateAndMessage) {
    const QString serial = QStringLiteral("serial:") + Device(QStringLiteral("ttyList")) +
                           QStringLiteral("?baud=9600");
    const QString parallel = QStringLiteral("parallel:") + Device(QStringLiteral("lpList"));
    AddQueue(QStringLiteral("listSerial"), serial);
    AddQueue(QStringLiteral("listParallel"), parallel);
    Run("cupsdisable",
        {QStringLiteral("-r"), QStringLiteral("maintenance"), QStringLiteral("listParallel")});
    CupsSpooler spooler(daemon_->Server());
    const std::optional<std::vector<SpoolerQueue>> queues = spooler.Queues();
    ASSERT_TRUE(queues.has_value());
    const auto find = [&](const QString& name) -> const SpoolerQueue* {
        for (const SpoolerQueue& queue : *queues) {
            if (queue.name == name) {
                return &queue;
            }
        }
        return nullptr;
    };
    const SpoolerQueue* listSerial = find(QStringLiteral("listSerial"));
    const SpoolerQueue* listParallel = find(QStringLiteral("listParallel"));
    ASSERT_TRUE(listSerial && listParallel);
    EXPECT_EQ(listSerial->deviceUri, serial);
    EXPECT_EQ(listSerial->state, State::Idle);
    EXPECT_EQ(listParallel->deviceUri, parallel);
    EXPECT_EQ(listParallel->state, State::Stopped);
    EXPECT_EQ(listParallel->stateMessage, QStringLiteral("maintenance"));
}

// ttyUSB1 is a prefix of ttyUSB10 (as COM1: is of COM10:): each device stops its own queues; a
// queue stopped before stays stopped; the restore gives back exactly the earlier states.
TEST_F(CupsSpoolerTest, HoldsOnlyTheChosenDeviceAndGivesBackTheEarlierStates) {
    const QString one = Device(QStringLiteral("ttyUSB1"));
    const QString ten = Device(QStringLiteral("ttyUSB10"));
    AddQueue(QStringLiteral("usb1"),
             QStringLiteral("serial:") + one + QStringLiteral("?baud=9600"));
    AddQueue(QStringLiteral("usb1Stopped"), QStringLiteral("serial:") + one);
    AddQueue(QStringLiteral("usb10"), QStringLiteral("serial:") + ten);
    Run("cupsdisable",
        {QStringLiteral("-r"), QStringLiteral("maintenance"), QStringLiteral("usb1Stopped")});
    const QStringList queues = Texts({"usb1", "usb1Stopped", "usb10"});
    const std::pair<QString, QStringList> cases[] = {
        {one, Texts({"usb1", "usb1Stopped"})},
        {ten, Texts({"usb1Stopped", "usb10"})},
    };
    for (const auto& [device, held] : cases) {
        CupsSpooler spooler(daemon_->Server());
        SpoolerRedirection redirection(spooler);
        EXPECT_TRUE(redirection.RedirectSpoolerPrinters(device).isEmpty());
        EXPECT_EQ(StoppedOf(queues), held) << device.toStdString();
        redirection.RestoreSpoolerPrinters();
        EXPECT_EQ(StoppedOf(queues), Texts({"usb1Stopped"})) << device.toStdString();
        EXPECT_TRUE(redirection.SavedPrinterPorts().empty());
    }
}

TEST_F(CupsSpoolerTest, AQueueWeMayNotStopIsReportedTheOthersAreStopped) {
    const QString device = Device(QStringLiteral("ttyRights"));
    AddQueue(QStringLiteral("locked"), QStringLiteral("serial:") + device,
             CupsDaemon::kNoPausePolicy);
    AddQueue(QStringLiteral("open"), QStringLiteral("serial:") + device);
    CupsSpooler spooler(daemon_->Server());
    SpoolerRedirection redirection(spooler);
    EXPECT_EQ(redirection.RedirectSpoolerPrinters(device), Texts({"locked"}));
    EXPECT_EQ(StoppedOf(Texts({"locked", "open"})), Texts({"open"}));
    redirection.RestoreSpoolerPrinters();
    EXPECT_TRUE(StoppedOf(Texts({"locked", "open"})).isEmpty());
}

// What an administrator did while we held the device stands.
TEST_F(CupsSpoolerTest, AQueueAnAdministratorChangedIsLeftAsTheyLeftIt) {
    struct Case {
        const char* queue;
        std::vector<std::pair<const char*, QStringList>> commands;
        bool stoppedAfter;
    };
    const Case cases[] = {
        {.queue = "adminStarted",
         .commands = {{"cupsenable", Texts({"adminStarted"})}},
         .stoppedAfter = false},
        {.queue = "adminStopped",
         .commands = {{"cupsenable", Texts({"adminStopped"})},
                      {"cupsdisable", Texts({"-r", "maintenance", "adminStopped"})}},
         .stoppedAfter = true},
        {.queue = "adminMoved",
         .commands = {{"lpadmin", Texts({"-p", "adminMoved", "-v", "parallel:/dev/lp7"})}},
         .stoppedAfter = true},
    };
    for (const Case& test : cases) {
        const QString name = QLatin1String(test.queue);
        const QString device = Device(name);
        AddQueue(name, QStringLiteral("serial:") + device);
        CupsSpooler spooler(daemon_->Server());
        SpoolerRedirection redirection(spooler);
        redirection.RedirectSpoolerPrinters(device);
        ASSERT_EQ(StoppedOf({name}), QStringList{name});
        for (const auto& [tool, arguments] : test.commands) {
            Run(tool, arguments);
        }
        redirection.RestoreSpoolerPrinters();
        EXPECT_EQ(daemon_->Stopped(name), test.stoppedAfter) << test.queue;
    }
}

// The main window over a real serial link (the simulator's pseudo-terminal for "COM1:"); "COM2:"
// and "LPT1:" name devices that cannot be opened.
struct WindowRig : RecordingHost {
    explicit WindowRig(CupsDaemon& daemon)
        : RecordingHost(true),
          printer("QX-M43"),
          server(printer),
          missing(daemon.Path(QStringLiteral("dev/missing"))),
          platform([this] { pacer.KeepPainted(); },
                   [this](PortKind kind, const QString& name) {
                       if (kind == PortKind::Serial && name == QStringLiteral("COM1:")) {
                           return QString::fromStdString(server.PtyPath());
                       }
                       return missing;
                   }),
          port(platform, *this),
          spooler(daemon.Server()),
          window(ContextFor(port, -1), spooler,
                 [](Tool, const ToolContext&, QWidget*) { return std::unique_ptr<QDialog>(); }) {
        EXPECT_TRUE(server.OpenPty() && server.Start()) << server.LastError();
        window.show();
    }
    ~WindowRig() override {
        port.Close();
        server.Stop();
    }
    QString Pty() const { return QString::fromStdString(server.PtyPath()); }
    QString DeviceLine() const { return Find<QLabel>(window, "comDeviceLabel")->text(); }
    void ChooseCom(int index) { Choose(Find<QComboBox>(window, "comPortCombo"), index); }

    sim::Printer printer;
    sim::Server server;
    QString missing;
    SystemPortPlatform platform;
    PrinterPort port;
    CupsSpooler spooler;
    MainWindow window;
};

// A job sent while Tagwell holds the port waits, and is printed once it lets go.
TEST_F(CupsSpoolerTest, AJobSentWhileConnectedPrintsAfterDisconnect) {
    WindowRig rig(*daemon_);
    const QString queue = QStringLiteral("ptyQueue");
    AddQueue(queue, QStringLiteral("serial:") + rig.Pty() + QStringLiteral("?baud=115200"));
    Click(rig.window, "connectButton");
    ASSERT_TRUE(rig.window.IsConnected());
    EXPECT_EQ(daemon_->Stopped(queue), true);
    EXPECT_FALSE(rig.DeviceLine().contains(QLatin1String("CUPS")));
    ASSERT_TRUE(daemon_->Print(queue, "label while held\n"));
    EXPECT_TRUE(daemon_->Output(queue).isEmpty());

    Click(rig.window, "disconnectButton");
    EXPECT_EQ(daemon_->Stopped(queue), false);
    EXPECT_EQ(daemon_->WaitForOutput(queue, 17), QByteArray("label while held\n"));
    EXPECT_EQ(rig.messages.Texts(), Texts({"Success open port."}));
}

// A Connect that cannot open the port leaves its queue stopped; the second one does not record
// it again; a USB Connect after them does not keep the window from giving it back on closing.
TEST_F(CupsSpoolerTest, AFailedConnectsQueueIsGivenBackWhenTheWindowCloses) {
    WindowRig rig(*daemon_);
    AddQueue(QStringLiteral("missingQueue"), QStringLiteral("serial:") + rig.missing);
    rig.ChooseCom(1);
    for (int attempt = 0; attempt < 2; ++attempt) {
        Click(rig.window, "connectButton");
        EXPECT_FALSE(rig.window.IsConnected());
        EXPECT_EQ(daemon_->Stopped(QStringLiteral("missingQueue")), true);
        const auto& saved = rig.window.Redirection().SavedPrinterPorts();
        ASSERT_EQ(saved.count(QStringLiteral("missingQueue")), 1u);
        EXPECT_EQ(saved.at(QStringLiteral("missingQueue")).state, State::Idle);
    }
    Click(rig.window, "usbRadio");
    Click(rig.window, "connectButton");
    EXPECT_EQ(rig.port.Kind(), PortKind::Usb);
    Click(rig.window, "exitButton");
    EXPECT_FALSE(rig.window.isVisible());
    EXPECT_EQ(daemon_->Stopped(QStringLiteral("missingQueue")), false);
}

TEST_F(CupsSpoolerTest, TheDeviceLineNamesTheQueuesWeMayNotStop) {
    WindowRig rig(*daemon_);
    const QString uri = QStringLiteral("serial:") + rig.Pty();
    AddQueue(QStringLiteral("lockedA"), uri, CupsDaemon::kNoPausePolicy);
    Click(rig.window, "connectButton");
    ASSERT_TRUE(rig.window.IsConnected());
    EXPECT_TRUE(
        rig.DeviceLine().endsWith(QLatin1String("\nCUPS queue lockedA still uses this port")))
        << rig.DeviceLine().toStdString();
    Click(rig.window, "disconnectButton");
    EXPECT_FALSE(rig.DeviceLine().contains(QLatin1String("CUPS")));

    AddQueue(QStringLiteral("lockedB"), uri, CupsDaemon::kNoPausePolicy);
    Click(rig.window, "connectButton");
    EXPECT_TRUE(rig.DeviceLine().endsWith(
        QLatin1String("\nCUPS queues lockedA, lockedB still use this port")))
        << rig.DeviceLine().toStdString();
}

// No cupsd (cups not installed or not running): nothing to list, nothing changed, no waiting on a
// password or a time-out beyond the connection's.
TEST(CupsSpooler, WithoutACupsdThereIsNothingToListOrChange) {
    QTemporaryDir dir;
    const QString servers[] = {dir.filePath(QStringLiteral("no.sock")),
                               QStringLiteral("127.0.0.1:1")};
    for (const QString& server : servers) {
        CupsSpooler spooler(server);
        EXPECT_FALSE(spooler.Queues().has_value()) << server.toStdString();
        EXPECT_EQ(spooler.Stop(QStringLiteral("q"), QStringLiteral("held")), SpoolerChange::Failed);
        EXPECT_EQ(spooler.Start(QStringLiteral("q")), SpoolerChange::Failed);
    }
}

}  // namespace

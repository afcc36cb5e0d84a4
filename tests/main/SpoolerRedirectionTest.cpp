// The decisions of the spooler redirection, against a spooler in memory.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "main/SpoolerRedirection.h"
#include "support/FakeSpooler.h"
#include "support/Widgets.h"

namespace {

using State = SpoolerQueue::State;

SpoolerQueue Queue(const char* name, const char* uri, State state = State::Idle,
                   const char* message = "") {
    return {QLatin1String(name), QLatin1String(uri), state, QLatin1String(message)};
}

QStringList Names(const std::map<QString, SpoolerRedirection::SavedQueue>& saved) {
    QStringList names;
    for (const auto& entry : saved) {
        names << entry.first;
    }
    return names;
}

TEST(SpoolerRedirection, FindsTheDeviceFileOfADeviceUri) {
    const std::pair<const char*, const char*> cases[] = {
        {"serial:/dev/ttyUSB0?baud=9600+bits=8", "/dev/ttyUSB0"},
        {"parallel:/dev/lp0", "/dev/lp0"},
        {"file:///dev/ttyS1", "/dev/ttyS1"},
        {"file:/dev/usb/lp0#x", "/dev/usb/lp0"},
        {"serial:/dev/serial/by-id/usb-Maker%20Cable-if00",
         "/dev/serial/by-id/usb-Maker Cable-if00"},
        {"socket://192.168.0.5:9100", ""},
        {"ipp://printer.local/ipp/print", ""},
        {"usb://Maker/Model?serial=1", ""},
        {"serial:ttyUSB0", ""},
        {"/dev/ttyUSB0", ""},
        {"", ""},
    };
    for (const auto& [uri, path] : cases) {
        EXPECT_EQ(SpoolerRedirection::DevicePathOf(QLatin1String(uri)), QLatin1String(path)) << uri;
    }
}

// The chosen device is matched as a whole path, never as a part of one.
TEST(SpoolerRedirection, StopsTheQueuesOfTheChosenDeviceOnly) {
    const std::vector<SpoolerQueue> queues = {
        Queue("one", "serial:/dev/ttyUSB1?baud=9600"),
        Queue("ten", "serial:/dev/ttyUSB10"),
        Queue("oneAgain", "serial:/dev/ttyUSB1"),
        Queue("lp", "parallel:/dev/lp0"),
        Queue("lp1", "parallel:/dev/lp1"),
        Queue("net", "socket://host/dev/ttyUSB1"),
    };
    const std::pair<const char*, QStringList> cases[] = {
        {"/dev/ttyUSB1", Texts({"list", "stop one", "stop oneAgain"})},
        {"/dev/ttyUSB10", Texts({"list", "stop ten"})},
        {"/dev/ttyUSB", Texts({"list"})},
        {"/dev/lp0", Texts({"list", "stop lp"})},
        {"/dev/lp", Texts({"list"})},
    };
    for (const auto& [device, events] : cases) {
        FakeSpooler spooler;
        spooler.queues = queues;
        SpoolerRedirection redirection(spooler);
        EXPECT_TRUE(redirection.RedirectSpoolerPrinters(QLatin1String(device)).isEmpty());
        EXPECT_EQ(spooler.events, events) << device;
    }
}

TEST(SpoolerRedirection, AQueueNamingALinkToTheDeviceIsTheDevicesQueue) {
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("ttyUSB1"));
    const QString link = dir.filePath(QStringLiteral("printer-cable"));
    ASSERT_TRUE(QFile(device).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(device, link));
    ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("ttyUSB10"))).open(QIODevice::WriteOnly));
    FakeSpooler spooler;
    spooler.queues = {Queue("byLink", ""), Queue("other", "")};
    spooler.queues[0].deviceUri = QStringLiteral("serial:") + link;
    spooler.queues[1].deviceUri = QStringLiteral("serial:") + device + QLatin1Char('0');
    SpoolerRedirection redirection(spooler);
    redirection.RedirectSpoolerPrinters(device);
    EXPECT_EQ(spooler.events, Texts({"list", "stop byLink"}));
}

// Every matching queue is recorded before it changes; a refused queue is skipped, and after a
// failure no later queue of the pass is changed. The queues left printing are reported.
TEST(SpoolerRedirection, RecordsFirstSkipsRefusedAndStopsNothingAfterAFailure) {
    struct Case {
        std::map<std::string, SpoolerChange> outcome;
        QStringList events;
        QStringList stillUsing;
        QStringList stoppedByUs;
    };
    const Case cases[] = {
        {.outcome = {},
         .events = Texts({"list", "stop a", "stop b", "stop c"}),
         .stillUsing = Texts({}),
         .stoppedByUs = Texts({"a", "b", "c"})},
        {.outcome = {{"a", SpoolerChange::Refused}},
         .events = Texts({"list", "stop a", "stop b", "stop c"}),
         .stillUsing = Texts({"a"}),
         .stoppedByUs = Texts({"b", "c"})},
        {.outcome = {{"a", SpoolerChange::Failed}},
         .events = Texts({"list", "stop a"}),
         .stillUsing = Texts({"a", "b", "c"}),
         .stoppedByUs = Texts({})},
        {.outcome = {{"a", SpoolerChange::Refused}, {"b", SpoolerChange::Failed}},
         .events = Texts({"list", "stop a", "stop b"}),
         .stillUsing = Texts({"a", "b", "c"}),
         .stoppedByUs = Texts({})},
    };
    for (const Case& test : cases) {
        FakeSpooler spooler;
        spooler.queues = {Queue("a", "serial:/dev/ttyS0"), Queue("x", "serial:/dev/ttyS1"),
                          Queue("b", "serial:/dev/ttyS0", State::Processing),
                          Queue("c", "serial:/dev/ttyS0")};
        spooler.outcome = test.outcome;
        SpoolerRedirection redirection(spooler);
        const QStringList stillUsing =
            redirection.RedirectSpoolerPrinters(QStringLiteral("/dev/ttyS0"));
        EXPECT_EQ(spooler.events, test.events);
        EXPECT_EQ(stillUsing, test.stillUsing);
        EXPECT_EQ(Names(redirection.SavedPrinterPorts()), Texts({"a", "b", "c"}));
        QStringList stoppedByUs;
        for (const auto& [name, saved] : redirection.SavedPrinterPorts()) {
            if (saved.stoppedByUs) {
                stoppedByUs << name;
            }
            EXPECT_EQ(saved.deviceUri, QStringLiteral("serial:/dev/ttyS0"));
        }
        EXPECT_EQ(stoppedByUs, test.stoppedByUs);
        EXPECT_EQ(redirection.SavedPrinterPorts().at(QStringLiteral("b")).state, State::Processing);
    }
}

TEST(SpoolerRedirection, RestoreStartsExactlyTheQueuesItStopped) {
    FakeSpooler spooler;
    spooler.queues = {Queue("running", "parallel:/dev/lp0"),
                      Queue("stoppedBefore", "parallel:/dev/lp0", State::Stopped, "Paused"),
                      Queue("printing", "parallel:/dev/lp0", State::Processing)};
    SpoolerRedirection redirection(spooler);
    redirection.RedirectSpoolerPrinters(QStringLiteral("/dev/lp0"));
    EXPECT_EQ(redirection.SavedPrinterPorts().at(QStringLiteral("stoppedBefore")).state,
              State::Stopped);
    spooler.events.clear();
    redirection.RestoreSpoolerPrinters();
    EXPECT_EQ(spooler.events, Texts({"list", "start printing", "start running"}));
    EXPECT_EQ(spooler.Find(QStringLiteral("stoppedBefore"))->state, State::Stopped);
    EXPECT_EQ(spooler.Find(QStringLiteral("stoppedBefore"))->stateMessage,
              QStringLiteral("Paused"));
    EXPECT_TRUE(redirection.SavedPrinterPorts().empty());
    spooler.events.clear();
    redirection.RestoreSpoolerPrinters();  // nothing saved: the spooler is not even asked
    EXPECT_TRUE(spooler.events.isEmpty());
}

// What someone else did to a queue while we held its device decides: it is theirs now.
TEST(SpoolerRedirection, RestoreLeavesAQueueSomeoneChangedMeanwhile) {
    struct Case {
        const char* change;
        std::function<void(FakeSpooler&)> act;
    };
    const Case cases[] = {
        {"started", [](FakeSpooler& s) { s.Find(QStringLiteral("q"))->state = State::Idle; }},
        {"stopped again for another reason",
         [](FakeSpooler& s) {
             s.Find(QStringLiteral("q"))->stateMessage = QStringLiteral("Paused");
         }},
        {"pointed at another device",
         [](FakeSpooler& s) {
             s.Find(QStringLiteral("q"))->deviceUri = QStringLiteral("serial:/dev/ttyS9");
         }},
        {"deleted", [](FakeSpooler& s) { s.queues.clear(); }},
    };
    for (const Case& test : cases) {
        FakeSpooler spooler;
        spooler.queues = {Queue("q", "serial:/dev/ttyS0")};
        SpoolerRedirection redirection(spooler);
        redirection.RedirectSpoolerPrinters(QStringLiteral("/dev/ttyS0"));
        test.act(spooler);
        spooler.events.clear();
        redirection.RestoreSpoolerPrinters();
        EXPECT_EQ(spooler.events, Texts({"list"})) << test.change;
        EXPECT_TRUE(redirection.SavedPrinterPorts().empty()) << test.change;
    }
}

// A Connect whose port did not open leaves its queues stopped; the next Connect finds them
// stopped by us and keeps the first record, so the restore starts them.
TEST(SpoolerRedirection, ASecondRedirectKeepsTheRecordOfTheFirst) {
    FakeSpooler spooler;
    spooler.queues = {Queue("q", "serial:/dev/ttyS0", State::Processing)};
    SpoolerRedirection redirection(spooler);
    redirection.RedirectSpoolerPrinters(QStringLiteral("/dev/ttyS0"));
    redirection.RedirectSpoolerPrinters(QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(spooler.events, Texts({"list", "stop q", "list"}));
    EXPECT_EQ(redirection.SavedPrinterPorts().at(QStringLiteral("q")).state, State::Processing);
    redirection.RestoreSpoolerPrinters();
    EXPECT_EQ(spooler.Find(QStringLiteral("q"))->state, State::Idle);
}

// A queue the spooler would not start stays recorded (after a failure, the rest of the pass is
// left too), so the next restore (the window closing) gives it back.
TEST(SpoolerRedirection, AQueueNotStartedIsTriedAgainLater) {
    struct Case {
        std::map<std::string, SpoolerChange> outcome;
        bool reachable;
        QStringList events;
    };
    const Case cases[] = {
        {.outcome = {{"a", SpoolerChange::Failed}},
         .reachable = true,
         .events = Texts({"list", "start a"})},
        {.outcome = {{"a", SpoolerChange::Refused}},
         .reachable = true,
         .events = Texts({"list", "start a", "start b"})},
        {.outcome = {}, .reachable = false, .events = Texts({"list"})},
    };
    for (const Case& test : cases) {
        FakeSpooler spooler;
        spooler.queues = {Queue("a", "serial:/dev/ttyS0"), Queue("b", "serial:/dev/ttyS0")};
        SpoolerRedirection redirection(spooler);
        redirection.RedirectSpoolerPrinters(QStringLiteral("/dev/ttyS0"));
        spooler.events.clear();
        spooler.outcome = test.outcome;
        spooler.reachable = test.reachable;
        redirection.RestoreSpoolerPrinters();
        EXPECT_EQ(spooler.events, test.events);
        EXPECT_FALSE(redirection.SavedPrinterPorts().empty());

        spooler.outcome.clear();
        spooler.reachable = true;
        redirection.RestoreSpoolerPrinters();
        EXPECT_TRUE(redirection.SavedPrinterPorts().empty());
        EXPECT_EQ(spooler.Find(QStringLiteral("a"))->state, State::Idle);
        EXPECT_EQ(spooler.Find(QStringLiteral("b"))->state, State::Idle);
    }
}

TEST(SpoolerRedirection, NoSpoolerOrNoDeviceChangesNothing) {
    FakeSpooler spooler;
    spooler.queues = {Queue("q", "serial:/dev/ttyS0")};
    SpoolerRedirection redirection(spooler);
    EXPECT_TRUE(redirection.RedirectSpoolerPrinters({}).isEmpty());
    EXPECT_TRUE(spooler.events.isEmpty());
    spooler.reachable = false;
    EXPECT_TRUE(redirection.RedirectSpoolerPrinters(QStringLiteral("/dev/ttyS0")).isEmpty());
    EXPECT_TRUE(redirection.SavedPrinterPorts().empty());
    EXPECT_EQ(spooler.events, Texts({"list"}));
}

}  // namespace

#include <gtest/gtest.h>

#include "support/TestRig.h"

namespace {

const QString kWriteWarning = QStringLiteral("Port error! Check printer's port, please.");
const QString kSerialReadWarning =
    QStringLiteral("Port error! Check setting of serial port, please.");

std::span<char> Span(QByteArray& buffer) {
    return {buffer.data(), static_cast<size_t>(buffer.size())};
}

TEST(PrinterPortOpen, DecidesTheKindFromThePortName) {
    struct Case {
        const char* name;
        bool opened;
        PortKind kind;
    };
    // The kind before each case is Parallel, so "unchanged" shows as Parallel.
    const Case cases[] = {
        {"COM10:", true, PortKind::Serial},     {"COM1:", true, PortKind::Serial},
        {"LPT2:", true, PortKind::Parallel},    {"USB", true, PortKind::Usb},
        {"usb", false, PortKind::Parallel},     {"USB1", false, PortKind::Parallel},
        {"ETHERNET", true, PortKind::Ethernet}, {"Com1:", false, PortKind::Parallel},
        {"", false, PortKind::Parallel},
    };
    for (const Case& c : cases) {
        TestRig rig;
        rig.Connect(QStringLiteral("LPT1:"));
        ASSERT_EQ(rig.port.Kind(), PortKind::Parallel);
        rig.port.SetPortName(QLatin1String(c.name));
        EXPECT_EQ(rig.port.Open(), c.opened) << c.name;
        EXPECT_EQ(rig.port.Kind(), c.kind) << c.name;
    }
}

TEST(PrinterPortOpen, SerialOpenChecksModemLinesAndReleasesARefusedDevice) {
    struct Case {
        std::optional<ModemLines> lines;
        bool configureFails;
        bool opened;
        QStringList events;
    };
    const QStringList refused = {QStringLiteral("open Serial COM1:"), QStringLiteral("close")};
    const Case cases[] = {
        {.lines = ModemLines{true, true},
         .configureFails = false,
         .opened = true,
         .events = {QStringLiteral("open Serial COM1:"), QStringLiteral("configure"),
                    QStringLiteral("timeouts"), QStringLiteral("purge")}},
        // A pseudo-terminal cannot report its lines and passes.
        {.lines = std::nullopt,
         .configureFails = false,
         .opened = true,
         .events = {QStringLiteral("open Serial COM1:"), QStringLiteral("configure"),
                    QStringLiteral("timeouts"), QStringLiteral("purge")}},
        {.lines = ModemLines{true, false},
         .configureFails = false,
         .opened = false,
         .events = refused},
        {.lines = ModemLines{false, true},
         .configureFails = false,
         .opened = false,
         .events = refused},
        {.lines = ModemLines{true, true},
         .configureFails = true,
         .opened = false,
         .events = {QStringLiteral("open Serial COM1:"), QStringLiteral("configure"),
                    QStringLiteral("close")}},
    };
    for (const Case& c : cases) {
        TestRig rig;
        rig.link.modemLines = c.lines;
        rig.link.configureFails = c.configureFails;
        rig.port.SetSerialParams({9600, Parity::Even, 7, StopBits::OneAndHalf});
        EXPECT_EQ(rig.Connect(QStringLiteral("COM1:")), c.opened);
        EXPECT_EQ(rig.link.events, c.events);
        EXPECT_EQ(rig.port.IsOpen(), c.opened);
        if (c.opened) {
            EXPECT_EQ(rig.link.configured.baudRate, 9600u);
            EXPECT_EQ(rig.link.configured.parity, Parity::Even);
            EXPECT_EQ(rig.link.configured.dataBits, 7);
            EXPECT_EQ(rig.link.configured.stopBits, StopBits::OneAndHalf);
            ASSERT_TRUE(rig.link.timeouts.has_value());
            EXPECT_EQ(rig.link.timeouts->readTotalConstant, 3000u);
            EXPECT_EQ(rig.link.timeouts->readTotalPerByte, 1u);
            EXPECT_EQ(rig.link.timeouts->writeTotalConstant, 3000u);
        }
    }
}

TEST(PrinterPortOpen, ParallelOpenNeedsTheSelectedStatusExactly) {
    for (const auto& [status, opened] : std::vector<std::pair<std::optional<std::uint8_t>, bool>>{
             {0x80, true}, {0xC0, false}, {0x88, false}, {0x00, false}, {std::nullopt, false}}) {
        TestRig rig;
        rig.link.parallelStatus = status;
        EXPECT_EQ(rig.Connect(QStringLiteral("LPT1:")), opened);
        EXPECT_EQ(rig.port.IsOpen(), opened);
        EXPECT_EQ(rig.link.events.contains(QStringLiteral("close")), !opened);
    }
}

TEST(PrinterPortOpen, ANewOpenReleasesTheDeviceHeldBefore) {
    TestRig rig;
    rig.Connect(QStringLiteral("COM1:"));
    rig.link.ClearRecord();
    rig.Connect(QStringLiteral("COM2:"));
    EXPECT_EQ(rig.link.events.mid(0, 2),
              (QStringList{QStringLiteral("close"), QStringLiteral("open Serial COM2:")}));
}

TEST(PrinterPortWrite, RetriesThreeTimesThenWarnsOnceAndReportsFailure) {
    struct Case {
        const char* port;
        int acceptPerWrite;
        bool writeFails;
        int result;
        std::vector<QByteArray> writes;
        std::vector<int> pauses;
        int warnings;
    };
    // Four attempts of the whole text, three retry pauses between them.
    const std::vector<QByteArray> fourTries = {"abcdefghij", "abcdefghij", "abcdefghij",
                                               "abcdefghij"};
    const std::vector<int> threePauses = {100, 100, 100};
    const Case cases[] = {
        {.port = "COM1:",
         .acceptPerWrite = 0,
         .writeFails = false,
         .result = 0,
         .writes = fourTries,
         .pauses = threePauses,
         .warnings = 1},
        {.port = "LPT1:",
         .acceptPerWrite = 0,
         .writeFails = false,
         .result = 0,
         .writes = fourTries,
         .pauses = threePauses,
         .warnings = 1},
        {.port = "COM1:",
         .acceptPerWrite = -1,
         .writeFails = true,
         .result = 0,
         .writes = fourTries,
         .pauses = threePauses,
         .warnings = 1},
        // Partial writes go on from the first unsent byte.
        {.port = "COM1:",
         .acceptPerWrite = 3,
         .writeFails = false,
         .result = 1,
         .writes = {"abcdefghij", "defghij", "ghij", "j"},
         .pauses = threePauses,
         .warnings = 0},
        {.port = "COM1:",
         .acceptPerWrite = 2,
         .writeFails = false,
         .result = 0,
         .writes = {"abcdefghij", "cdefghij", "efghij", "ghij"},
         .pauses = threePauses,
         .warnings = 1},
        {.port = "COM1:",
         .acceptPerWrite = 6,
         .writeFails = false,
         .result = 1,
         .writes = {"abcdefghij", "ghij"},
         .pauses = {100},
         .warnings = 0},
        {.port = "COM1:",
         .acceptPerWrite = -1,
         .writeFails = false,
         .result = 1,
         .writes = {"abcdefghij"},
         .pauses = {},
         .warnings = 0},
    };
    for (const Case& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(c.port));
        rig.link.acceptPerWrite = c.acceptPerWrite;
        rig.link.writeFails = c.writeFails;
        EXPECT_EQ(rig.port.Write(QByteArrayView("abcdefghij")), c.result) << c.port;
        EXPECT_EQ(rig.link.writes, c.writes);
        EXPECT_EQ(rig.pacer.pauses, c.pauses);
        EXPECT_EQ(rig.messages.Warnings().size(), c.warnings);
        if (c.warnings > 0) {
            EXPECT_EQ(rig.messages.Warnings().front(), kWriteWarning);
        }
    }
}

TEST(PrinterPortWrite, EmptyWritesSucceedOnADeviceButNotOnEthernet) {
    TestRig serial;
    serial.ConnectAndClear(QStringLiteral("COM1:"));
    EXPECT_EQ(serial.port.Write(QByteArrayView()), 1);
    EXPECT_EQ(serial.link.writes, std::vector<QByteArray>{QByteArray()});

    TestRig ethernet;
    ethernet.ConnectAndClear(QStringLiteral("ETHERNET"));
    EXPECT_EQ(ethernet.port.Write(QByteArrayView()), 0);
    EXPECT_TRUE(ethernet.link.writes.empty());
    EXPECT_TRUE(ethernet.messages.entries.empty());
}

TEST(PrinterPortWrite, WithoutAnOpenDeviceItFailsAfterItsRetries) {
    TestRig rig;
    rig.port.SetPortName(QStringLiteral("COM1:"));
    EXPECT_EQ(rig.port.Write(QByteArrayView("x")), 0);
    EXPECT_EQ(rig.pacer.pauses, (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(rig.messages.Warnings(), QStringList{kWriteWarning});
}

TEST(PrinterPortWrite, EthernetSendsOnceThenPausesAndReconnectsWhenDown) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("ETHERNET"));
    EXPECT_EQ(rig.port.Write(QByteArrayView("^PI0\r\n")), 6);
    EXPECT_EQ(rig.pacer.pauses, std::vector<int>{50});
    EXPECT_TRUE(rig.link.events.isEmpty());  // already connected: no new connection

    rig.port.Close();
    rig.link.connectFails = true;
    rig.link.ClearRecord();
    EXPECT_EQ(rig.port.Write(QByteArrayView("P1\r\n")), 0);
    EXPECT_TRUE(rig.link.writes.empty());
    EXPECT_EQ(rig.messages.Warnings(),
              QStringList{QStringLiteral("Error : Failed to connect. Please, \ncheck IP port "
                                         "configuration in printer control pannel")});
    // Every write tries again, with its message.
    EXPECT_EQ(rig.port.Write(QByteArrayView("P1\r\n")), 0);
    EXPECT_EQ(rig.messages.Warnings().size(), 2);

    // A failed send warns as on the other links.
    rig.link.writeFails = true;
    rig.link.connectFails = false;
    EXPECT_EQ(rig.port.Write(QByteArrayView("P1\r\n")), 0);
    EXPECT_EQ(rig.messages.Warnings().size(), 3);
    EXPECT_EQ(rig.messages.Warnings().back(),
              QStringLiteral("Port error! Check printer's port, please."));
}

TEST(PrinterPortWrite, EthernetSocketThatCannotBeCreatedIsReported) {
    TestRig rig;
    rig.link.createStreamFails = true;
    EXPECT_FALSE(rig.Connect(QStringLiteral("ETHERNET")));
    EXPECT_EQ(rig.port.Kind(), PortKind::Ethernet);
    EXPECT_EQ(rig.messages.Warnings(),
              QStringList{QStringLiteral("Error : Failed to Create socket!")});
}

TEST(PrinterPortRead, MakesUpToThreeRequestsWithTheirPauses) {
    struct Case {
        const char* port;
        std::vector<FakeLink::Reply> script;
        int result;
        int requests;
        QStringList warnings;
    };
    const Case cases[] = {
        {"COM1:", {}, 0, 3, {}},  // silent printer: three requests, no message
        {"COM1:", {{"", false}, {"AB", false}}, 2, 2, {}},
        {"COM1:", {{"ABC", false}}, 3, 1, {}},
        {"COM1:", {{"", true}, {"", true}, {"", true}}, 0, 3, {kSerialReadWarning}},
        // Only the last request's failure counts.
        {"COM1:", {{"", true}, {"", true}, {"", false}}, 0, 3, {}},
        {"LPT1:", {{"", true}, {"", true}, {"", true}}, 0, 3, {}},
    };
    for (const Case& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(c.port));
        rig.link.replies.assign(c.script.begin(), c.script.end());
        QByteArray buffer(32, '\0');
        EXPECT_EQ(rig.port.Read(Span(buffer), 7), c.result);
        EXPECT_EQ(rig.link.readSizes, std::vector<int>(static_cast<size_t>(c.requests), 7));
        EXPECT_EQ(rig.pacer.pauses, std::vector<int>(static_cast<size_t>(c.requests), 10));
        EXPECT_EQ(rig.messages.Warnings(), c.warnings);
    }
}

TEST(PrinterPortRead, NeverWritesPastTheBufferItWasGiven) {
    struct Case {
        const char* port;
        int bufferSize;
        int length;
        int delivered;
    };
    const Case cases[] = {
        {"COM1:", 4, 32, 4},
        {"COM1:", 32, 7, 7},
        // One Ethernet read takes up to 32 bytes whatever was asked, within the buffer.
        {"ETHERNET", 64, 1, 32},
        {"ETHERNET", 8, 32, 8},
        {"ETHERNET", 32, 7, 32},
        {"COM1:", 32, -5, 0},
    };
    for (const Case& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(c.port));
        rig.link.QueueReply(QByteArray(40, 'x'));
        QByteArray buffer(c.bufferSize + 8, '\0');
        std::span<char> given(buffer.data(), static_cast<size_t>(c.bufferSize));
        const int count = rig.port.Read(given, c.length);
        EXPECT_EQ(count, c.delivered) << c.port << " " << c.bufferSize;
        EXPECT_EQ(buffer.mid(c.bufferSize), QByteArray(8, '\0')) << "written past the buffer";
    }
}

TEST(PrinterPortRead, EthernetReportsAClosedConnectionAndErrors) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("ETHERNET"));
    QByteArray buffer(32, '\0');
    EXPECT_EQ(rig.port.Read(Span(buffer), 32), 0);  // nothing came in time
    rig.link.QueueError();
    EXPECT_EQ(rig.port.Read(Span(buffer), 32), -1);
    EXPECT_TRUE(rig.pacer.pauses.empty());
    EXPECT_TRUE(rig.messages.entries.empty());
}

TEST(PrinterPortUsb, OpensAroundEachExchangeUnlessKeptOpen) {
    TestRig rig;
    rig.Connect(QStringLiteral("USB"));
    rig.port.Close();
    rig.link.ClearRecord();
    rig.link.QueueReply("x");
    QByteArray buffer(32, '\0');
    rig.port.Write(QByteArrayView("A"));
    rig.port.Read(Span(buffer), 1);
    EXPECT_EQ(rig.link.events,
              (QStringList{QStringLiteral("open USB USB"), QStringLiteral("close"),
                           QStringLiteral("open USB USB"), QStringLiteral("close")}));

    rig.link.ClearRecord();
    rig.port.SetKeepOpen(true);
    rig.port.Write(QByteArrayView("A"));
    rig.port.Write(QByteArrayView("B"));
    rig.port.SetKeepOpen(false);
    EXPECT_EQ(rig.link.events,
              (QStringList{QStringLiteral("open USB USB"), QStringLiteral("close")}));
}

TEST(PrinterPortUsb, KeepOpenOnAnotherKindChangesNothing) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    rig.port.SetKeepOpen(true);
    EXPECT_TRUE(rig.link.events.isEmpty());
    // The flag was not stored: a USB port still opens around each write.
    rig.Connect(QStringLiteral("USB"));
    rig.port.Close();
    rig.link.ClearRecord();
    rig.port.Write(QByteArrayView("A"));
    EXPECT_EQ(rig.link.events,
              (QStringList{QStringLiteral("open USB USB"), QStringLiteral("close")}));
}

TEST(PrinterPortClose, DropsPendingBytesOfADeviceAndEndsTheConnection) {
    TestRig serial;
    serial.ConnectAndClear(QStringLiteral("COM1:"));
    serial.port.Close();
    EXPECT_EQ(serial.link.events, (QStringList{QStringLiteral("purge"), QStringLiteral("close")}));
    EXPECT_FALSE(serial.port.IsOpen());

    TestRig ethernet;
    ethernet.ConnectAndClear(QStringLiteral("ETHERNET"));
    ethernet.port.Close();
    EXPECT_EQ(ethernet.link.events, QStringList{QStringLiteral("disconnect")});
    EXPECT_FALSE(ethernet.port.IsOpen());
}

}  // namespace

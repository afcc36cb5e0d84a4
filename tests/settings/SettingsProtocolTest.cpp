// The settings exchanges against the scripted link: exact requests, pauses, read lengths, and
// the decoding of the replies.
#include <gtest/gtest.h>

#include <functional>

#include "settings/SettingsProtocol.h"
#include "support/TestRig.h"

namespace {

using Protocol = SettingsProtocol;
using Bytes = std::vector<QByteArray>;

struct Exchange {
    const char* name;
    const char* port;  // "COM1:", "LPT1:", "USB" or "ETHERNET"
    std::function<void(Protocol&)> run;
    QByteArray reply;  // queued before the exchange (empty: none)
    Bytes writes;
    std::vector<int> pauses;
    std::vector<int> readSizes;
};

// Every request the protocol makes, with its pause and read length. The link itself adds a 10 ms
// pause after each read request (serial, parallel, USB) and 50 ms after each TCP send.
TEST(SettingsProtocol, EveryRequestGoesOutWithItsPauseAndReadLength) {
    const QByteArray sensing(64, '\x01');
    const Exchange exchanges[] = {
        {"switch read, serial",
         "COM1:",
         [](Protocol& p) { p.ReadSwitch(4, 10); },
         "\x40",
         {"^MBR4,1"},
         {10, 10},
         {1}},
        {"switch read, USB",
         "USB",
         [](Protocol& p) { p.ReadSwitch(4, 10); },
         "\x40",
         {"^MBR4,3"},
         {10, 10},
         {1}},
        {"switch read, parallel",
         "LPT1:",
         [](Protocol& p) { p.ReadSwitch(4, 10); },
         "\x40",
         {"^MBR4,2"},
         {10, 10},
         {1}},
        {"switch read, Ethernet",
         "ETHERNET",
         [](Protocol& p) { p.ReadSwitch(1, 50); },
         "\x05",
         {"^MBR1,2"},
         {50, 50},
         {32}},
        {"switch 4 set with terminator",
         "COM1:",
         [](Protocol& p) { p.WriteSwitch(4, 0x40, true); },
         "",
         {QByteArray("^MBS4,\x40\r"), QByteArray("^MBA\x04\r")},
         {},
         {}},
        {"switch 1 set without terminator",
         "COM1:",
         [](Protocol& p) { p.WriteSwitch(1, 0x05, false); },
         "",
         {QByteArray("^MBS1,\x05"), QByteArray("^MBA\x01\r")},
         {},
         {}},
        {"switch 2 set of a zero byte",
         "COM1:",
         [](Protocol& p) { p.WriteSwitch(2, 0, false); },
         "",
         {QByteArray("^MBS2,\0", 7), QByteArray("^MBA\x02\r")},
         {},
         {}},
        {"paper width 832",
         "COM1:",
         [](Protocol& p) { p.SetUserValue(Protocol::UserValue::PaperWidth, 832); },
         "",
         {"^MBU0,832\r"},
         {},
         {}},
        {"paper width 0",
         "COM1:",
         [](Protocol& p) { p.SetUserValue(Protocol::UserValue::PaperWidth, 0); },
         "",
         {"^MBU0,0\r"},
         {},
         {}},
        {"negative gap length",
         "COM1:",
         [](Protocol& p) { p.SetUserValue(Protocol::UserValue::GapLength, -5); },
         "",
         {"^MBU5,-5\r"},
         {},
         {}},
        {"initialise user settings",
         "COM1:",
         [](Protocol& p) { p.InitialiseUserSettings(); },
         "",
         {QByteArray("^MBU\x0F,99\r")},
         {},
         {}},
        {"check label length on",
         "COM1:",
         [](Protocol& p) { p.SetCheckLabelLength(true); },
         "",
         {"^MBL1"},
         {},
         {}},
        {"check label length off",
         "COM1:",
         [](Protocol& p) { p.SetCheckLabelLength(false); },
         "",
         {"^MBL0"},
         {},
         {}},
        {"density query",
         "COM1:",
         [](Protocol& p) {
             p.QueryText(Protocol::UserValueQuery(Protocol::UserValue::PrintDensity), 10, 32);
         },
         "8\r\n",
         {"^PI4,1\r\n"},
         {10, 10},
         {32}},
        {"gap length query",
         "COM1:",
         [](Protocol& p) {
             p.QueryText(Protocol::UserValueQuery(Protocol::UserValue::GapLength), 10, 32);
         },
         "24\r\n",
         {"^PI5,2\r\n"},
         {10, 10},
         {32}},
        {"hardware version",
         "COM1:",
         [](Protocol& p) { p.ReadIdentification(Protocol::Identification::HardwareVersion); },
         "1.00\r\n",
         {"^MBX0\r\n"},
         {100, 10},
         {7}},
        {"serial number",
         "COM1:",
         [](Protocol& p) { p.ReadIdentification(Protocol::Identification::SerialNumber); },
         "A1\r\n",
         {"^MBX1\r"},
         {1000, 10},
         {18}},
        {"printer ID",
         "COM1:",
         [](Protocol& p) { p.ReadIdentification(Protocol::Identification::PrinterId); },
         "ID\r\n",
         {"^MBX2\r"},
         {100, 10},
         {12}},
        {"store printer ID",
         "COM1:",
         [](Protocol& p) { p.StoreIdentification(Protocol::Identification::PrinterId, "ABC"); },
         "",
         {"^MBY2,ABC\r\n"},
         {5700},
         {}},
        {"initialise hardware version",
         "COM1:",
         [](Protocol& p) { p.InitialiseIdentification(Protocol::Identification::HardwareVersion); },
         "",
         {QByteArray("^MBY\x0F,0\r\n")},
         {5700},
         {}},
        {"model type",
         "COM1:",
         [](Protocol& p) { p.QueryText(Protocol::kModelTypeQuery, 10, 32); },
         "DT\r\n",
         {"^PI1"},
         {10, 10},
         {32}},
        {"head temperature",
         "COM1:",
         [](Protocol& p) { p.QueryText(Protocol::kHeadTemperatureQuery, 10, 32); },
         "25\r\n",
         {"^PI4,0"},
         {10, 10},
         {32}},
        {"print offset",
         "COM1:",
         [](Protocol& p) { p.QuerySigned(Protocol::kPrintOffsetQuery); },
         "+050\r\n",
         {"^SA\r\n"},
         {10, 10},
         {7}},
        {"tear-off position",
         "COM1:",
         [](Protocol& p) { p.QuerySigned(Protocol::kTearOffQuery); },
         "-007\r\n",
         {"^PI4,2\r\n"},
         {10, 10},
         {7}},
        {"set offset",
         "COM1:",
         [](Protocol& p) { p.SetSigned(Protocol::kPrintOffsetLetters, true, "15"); },
         "",
         {"SA-15\r\n"},
         {},
         {}},
        {"set tear-off, digits as entered",
         "COM1:",
         [](Protocol& p) { p.SetSigned(Protocol::kTearOffLetters, false, "007"); },
         "",
         {"TA+007\r\n"},
         {},
         {}},
        {"set over Ethernet",
         "ETHERNET",
         [](Protocol& p) { p.SetSigned(Protocol::kTearOffLetters, false, "1"); },
         "",
         {"TA+1\r\n"},
         {50},
         {}},
        {"sensing, serial",
         "COM1:",
         [](Protocol& p) { p.ReadSensing(1200, Protocol::SensingType::Gap); },
         sensing,
         {"^MXd,1200,G\r"},
         {4800, 10},
         {64}},
        {"sensing, parallel",
         "LPT1:",
         [](Protocol& p) { p.ReadSensing(1200, Protocol::SensingType::BlackMark); },
         sensing,
         {"^MXd,1200,B\r"},
         {7200, 10},
         {64}},
        {"sensing, USB of no piecewise model",
         "USB",
         [](Protocol& p) { p.ReadSensing(100, Protocol::SensingType::Gap); },
         sensing,
         {"^MXd,100,G\r"},
         {600, 10},
         {64}},
        {"store calibration",
         "COM1:",
         [](Protocol& p) { p.StoreCalibration(120, 10); },
         "",
         {"^MXs,120,10\r"},
         {},
         {}},
        {"cancel calibration",
         "COM1:",
         [](Protocol& p) { p.CancelCalibration(); },
         "",
         {"^MXc\r"},
         {},
         {}},
        {"^cp",
         "COM1:",
         [](Protocol& p) { p.QueryStatus(Protocol::Status::Cp); },
         QByteArray("\x40\0", 2),
         {"^cp\r"},
         {50, 10},
         {2}},
        {"^cu",
         "COM1:",
         [](Protocol& p) { p.QueryStatus(Protocol::Status::Cu); },
         "\x84",
         {"^cu\r"},
         {50, 10},
         {1}},
        {"^ee",
         "COM1:",
         [](Protocol& p) { p.QueryStatus(Protocol::Status::Ee); },
         "06\r\n",
         {"^ee\r"},
         {30, 10},
         {4}},
        {"CPS",
         "COM1:",
         [](Protocol& p) { p.QueryStatus(Protocol::Status::Cps); },
         "\x03",
         {"CPS\r"},
         {50, 10},
         {1}},
        {"bytes query",
         "COM1:",
         [](Protocol& p) { p.QueryBytes("^XY\r", 20, 3); },
         "abc",
         {"^XY\r"},
         {20, 10},
         {3}},
        {"plain request", "COM1:", [](Protocol& p) { p.SendRequest("~R"); }, "", {"~R"}, {}, {}},
    };
    for (const Exchange& exchange : exchanges) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(exchange.port));
        if (!exchange.reply.isEmpty()) {
            rig.link.QueueReply(exchange.reply);
        }
        Protocol protocol(rig.port, rig.pacer);
        exchange.run(protocol);
        EXPECT_EQ(rig.link.writes, exchange.writes) << exchange.name;
        EXPECT_EQ(rig.pacer.pauses, exchange.pauses) << exchange.name;
        EXPECT_EQ(rig.link.readSizes, exchange.readSizes) << exchange.name;
        EXPECT_TRUE(rig.messages.entries.empty()) << exchange.name;
    }
}

TEST(SettingsProtocol, WritesReportWhatTheLinkDid) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    Protocol protocol(rig.port, rig.pacer);
    EXPECT_TRUE(protocol.WriteSwitch(3, 0x20, true));
    EXPECT_TRUE(protocol.SendRequest("^MBL1"));

    // The link gives up on the byte: no apply request follows, which would apply whatever the
    // printer holds, and the failure is reported after the link's own warning.
    rig.link.ClearRecord();
    rig.link.acceptPerWrite = 0;
    EXPECT_FALSE(protocol.WriteSwitch(3, 0x20, true));
    EXPECT_EQ(rig.link.Written(), QByteArray("^MBS3,\x20\r").repeated(PrinterPort::kWriteAttempts));
    EXPECT_EQ(rig.messages.Warnings(),
              QStringList{QStringLiteral("Port error! Check printer's port, please.")});
    EXPECT_FALSE(protocol.SetUserValue(Protocol::UserValue::PaperLength, 1));
    EXPECT_FALSE(protocol.SetSigned("SA", false, "1"));
    EXPECT_FALSE(protocol.StoreIdentification(Protocol::Identification::SerialNumber, "X"));

    TestRig ethernet;
    ethernet.ConnectAndClear(QStringLiteral("ETHERNET"));
    ethernet.link.writeFails = true;
    Protocol overTcp(ethernet.port, ethernet.pacer);
    EXPECT_FALSE(overTcp.InitialiseUserSettings());
    EXPECT_FALSE(overTcp.CancelCalibration());
}

TEST(SettingsProtocol, TextRepliesEndAtTheFirstZeroAndKeepTheirLineEnds) {
    const struct {
        const char* port;
        QByteArray reply;  // empty: nothing comes
        bool error;
        bool received;
        QByteArray text;
        QByteArray stripped;
    } cases[] = {
        {"COM1:", "203\r\n", false, true, "203\r\n", "203"},
        {"COM1:", "\r\n", false, true, "\r\n", ""},
        {"COM1:", "\n\r\n", false, true, "\n\r\n", ""},
        {"COM1:", QByteArray("AB\0CD", 5), false, true, "AB", "AB"},
        {"COM1:", QByteArray("\0\0", 2), false, true, "", ""},
        {"COM1:", "", false, false, "", ""},
        {"ETHERNET", "", true, false, "", ""},
        {"ETHERNET", QByteArray(40, 'x'), false, true, QByteArray(32, 'x'), QByteArray(32, 'x')},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(c.port));
        if (c.error) {
            rig.link.QueueError();
        } else if (!c.reply.isEmpty()) {
            rig.link.QueueReply(c.reply);
        }
        Protocol protocol(rig.port, rig.pacer);
        const Protocol::TextReply reply = protocol.QueryText("^PI5,0\r\n", 10, 32);
        EXPECT_EQ(reply.received, c.received) << testing::PrintToString(c.reply);
        EXPECT_EQ(reply.text, c.text) << testing::PrintToString(c.reply);
        EXPECT_EQ(Protocol::StripLineEnds(reply.text), c.stripped)
            << testing::PrintToString(c.reply);
    }
}

TEST(SettingsProtocol, SignedRepliesGiveSignAndMagnitude) {
    const struct {
        QByteArray reply;
        bool received;
        bool wellFormed;
        bool negative;
        int magnitude;
    } cases[] = {
        {"+050\r\n", true, true, false, 50},
        {"-007\r\n", true, true, true, 7},
        {"-012", true, true, true, 12},
        {"+100", true, true, false, 100},
        {"-015", true, true, true, 15},
        {"+1000\r\n", true, true, false, 100},  // three digits make the value
        // Short replies count as far as their digits go, not their line end.
        {"-5\r\n", true, true, true, 5},
        {"+42\r\n", true, true, false, 42},
        {"050\r\n", true, true, false, 50},
        // No digit at all: nothing to show.
        {"\r\n", true, false, false, 0},
        {"-\r\n", true, false, false, 0},
        {"+abc\r\n", true, false, false, 0},
        {"", false, false, false, 0},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        if (!c.reply.isEmpty()) {
            rig.link.QueueReply(c.reply);
        }
        Protocol protocol(rig.port, rig.pacer);
        const Protocol::SignedReply reply = protocol.QuerySigned(Protocol::kPrintOffsetQuery);
        EXPECT_EQ(reply.received, c.received) << testing::PrintToString(c.reply);
        EXPECT_EQ(reply.wellFormed, c.wellFormed) << testing::PrintToString(c.reply);
        EXPECT_EQ(reply.negative, c.negative) << testing::PrintToString(c.reply);
        EXPECT_EQ(reply.magnitude, c.magnitude) << testing::PrintToString(c.reply);
    }
}

TEST(SettingsProtocol, SwitchReadsTakeAnyByteAndNothingIsNoReply) {
    const struct {
        const char* port;
        QByteArray reply;
        bool received;
        int value;
    } cases[] = {
        {"COM1:", QByteArray("\0", 1), true, 0x00},
        {"COM1:", "\xFF", true, 0xFF},
        {"COM1:", "", false, 0},
        // One TCP read takes what came; the switch is its first byte.
        {"ETHERNET", "\x35\x36", true, 0x35},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(c.port));
        if (!c.reply.isEmpty()) {
            rig.link.QueueReply(c.reply);
        }
        Protocol protocol(rig.port, rig.pacer);
        const Protocol::SwitchReply reply = protocol.ReadSwitch(2, 10);
        EXPECT_EQ(reply.received, c.received) << testing::PrintToString(c.reply);
        EXPECT_EQ(reply.value, c.value) << testing::PrintToString(c.reply);
    }
}

// A status or sensing reply of the wrong length is a failure; one more read of the same length
// then takes a late reply off the link, into the same buffer, after the caller's warning. (A read
// that gets nothing on serial is asked three times by the link itself.)
TEST(SettingsProtocol, ExactRepliesFailOnAnyOtherLengthAndDiscardOnce) {
    const struct {
        const char* port;
        Protocol::Status status;
        std::vector<QByteArray> replies;  // one per read request
        bool exact;
        std::vector<int> readSizes;
        std::size_t readsBeforeWarning;
        QByteArray front;  // the first bytes of the buffer handed back
    } cases[] = {
        {"COM1:", Protocol::Status::Ee, {"00\r\n"}, true, {4}, 0, "00\r\n"},
        {"COM1:", Protocol::Status::Ee, {"00\n\r"}, false, {4, 4, 4, 4}, 1, "00\n\r"},
        {"COM1:", Protocol::Status::Ee, {"00\r"}, false, {4, 4, 4, 4}, 1, "00\r"},
        {"COM1:",
         Protocol::Status::Cp,
         {QByteArray("\x40\0", 2)},
         true,
         {2},
         0,
         QByteArray("\x40\0", 2)},
        // The late rest of a reply is caught by the discarding read and handed back.
        {"COM1:", Protocol::Status::Cp, {"\x40", "\x80\x01"}, false, {2, 2}, 1, "\x80\x01"},
        // One TCP read takes a reply that is too long whole.
        {"ETHERNET", Protocol::Status::Cu, {"\x84\x01"}, false, {32, 32}, 1, "\x84\x01"},
        {"COM1:", Protocol::Status::Cps, {}, false, {1, 1, 1, 1, 1, 1}, 3, QByteArray("\0", 1)},
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QLatin1String(c.port));
        for (const QByteArray& reply : c.replies) {
            rig.link.QueueReply(reply);
        }
        Protocol protocol(rig.port, rig.pacer);
        std::size_t readsBeforeWarning = 0;
        const Protocol::ExactReply reply =
            protocol.QueryStatus(c.status, [&] { readsBeforeWarning = rig.link.readSizes.size(); });
        const std::string name = testing::PrintToString(c.replies);
        EXPECT_EQ(reply.exact, c.exact) << name;
        EXPECT_EQ(rig.link.readSizes, c.readSizes) << name;
        EXPECT_EQ(readsBeforeWarning, c.readsBeforeWarning) << name;
        EXPECT_TRUE(reply.bytes.startsWith(c.front)) << testing::PrintToString(reply.bytes);
        EXPECT_GE(reply.bytes.size(), Protocol::kReplyBufferSize);
    }
}

TEST(SettingsProtocol, SensingRepliesAreThirtyTwoCountsLowByteFirst) {
    QByteArray reply(64, '\0');
    reply[0] = '\x34';
    reply[1] = '\x12';
    reply[62] = '\xFF';
    reply[63] = '\xFF';
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    rig.link.QueueReply(reply);
    Protocol protocol(rig.port, rig.pacer);
    const Protocol::ExactReply sensed = protocol.ReadSensing(1200, Protocol::SensingType::Gap);
    ASSERT_TRUE(sensed.exact);
    const auto counts = Protocol::SensingCounts(sensed.bytes);
    EXPECT_EQ(counts[0], 4660);
    EXPECT_EQ(counts[1], 0);
    EXPECT_EQ(counts[31], 65535);

    // 63 bytes: a failure, and one read of 64 to discard the rest.
    rig.link.ClearRecord();
    rig.link.QueueReply(reply.left(63));
    bool warned = false;
    EXPECT_FALSE(protocol.ReadSensing(8, Protocol::SensingType::Gap, [&] { warned = true; }).exact);
    EXPECT_TRUE(warned);
    EXPECT_EQ(rig.link.readSizes, (std::vector<int>{64, 64, 64, 64}));
}

TEST(SettingsProtocol, UsbModelsZeroToThreeHandOverSensingInFourPieces) {
    const struct {
        PortKind kind;
        int usbModel;
        bool pieces;
    } choices[] = {{PortKind::Usb, 0, true},     {PortKind::Usb, 3, true},
                   {PortKind::Usb, -1, false},   {PortKind::Usb, 4, false},
                   {PortKind::Serial, 0, false}, {PortKind::Parallel, 2, false}};
    for (const auto& c : choices) {
        EXPECT_EQ(Protocol::SensingInPieces(c.kind, c.usbModel), c.pieces) << c.usbModel;
    }

    QByteArray reply(64, '\0');
    for (int i = 0; i < 64; ++i) {
        reply[i] = static_cast<char>(i + 1);
    }
    const struct {
        std::vector<int> pieces;  // bytes each read request gets
        int count;
        std::vector<int> readSizes;
    } cases[] = {
        {{16, 16, 16, 16}, 64, {16, 16, 16, 16}},
        {{16, 10}, 26, {16, 16}},                 // a short piece ends the sequence
        {{16, 16, 0}, 32, {16, 16, 16, 16, 16}},  // nothing: the link asks three times
    };
    for (const auto& c : cases) {
        TestRig rig;
        rig.ConnectAndClear(QStringLiteral("USB"));
        int offset = 0;
        for (const int piece : c.pieces) {
            rig.link.QueueReply(reply.mid(offset, piece));
            offset += piece;
        }
        Protocol protocol(rig.port, rig.pacer);
        const Protocol::BytesReply sensed = protocol.ReadSensingReply(true);
        EXPECT_EQ(sensed.count, c.count);
        EXPECT_EQ(rig.link.readSizes, c.readSizes);
        EXPECT_EQ(rig.pacer.pauses[0], Protocol::kUsbSensingPiecePauseMs);
        if (c.count == 64) {
            EXPECT_EQ(sensed.bytes, reply);
        }
    }
}

}  // namespace

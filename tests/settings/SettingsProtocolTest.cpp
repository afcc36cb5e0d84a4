// The settings exchanges against the scripted link: exact requests, pauses, read lengths, and
// the decoding of the replies.
#include <gtest/gtest.h>

#include <functional>

#include "settings/SettingsProtocol.h"
#include "support/TestRig.h"

namespace {

using Protocol = SettingsProtocol;
using Bytes = std::vector<QByteArray>;
using Switch = Protocol::MemorySwitch;

struct Exchange {
    const char* name;
    const char* port;  // "COM1:", "LPT1:", "USB" or "ETHERNET"
    std::function<void(Protocol&)> run;
    QByteArray reply = {};  // queued before the exchange (empty: none)
    Bytes writes = {};
    std::vector<int> pauses = {};
    std::vector<int> readSizes = {};
    std::vector<ReadEnd> readEnds = {};  // serial, parallel and USB reads only
    int discards = 0;                    // unread input dropped before the request
};

constexpr ReadEnd kLine = ReadEnd::LineEnd;
constexpr ReadEnd kLength = ReadEnd::Length;

// Every request the protocol makes, with its pause, read length and where its read may end (a
// text reply at its line feed, raw bytes at their length), and the unread input every query drops
// first. The link itself adds a 10 ms pause after each read request (serial, parallel, USB) and
// 50 ms after each TCP send.
TEST(SettingsProtocol, EveryRequestGoesOutWithItsPauseAndReadLength) {
    const QByteArray sensing(64, '\x01');
    const Exchange exchanges[] = {
        {.name = "switch read, serial",
         .port = "COM1:",
         .run = [](Protocol& p) { p.ReadSwitch(Switch::StrobeAndGapDetect, 10); },
         .reply = "\x40",
         .writes = {"^MBR4,1"},
         .pauses = {10, 10},
         .readSizes = {1},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "switch read, USB",
         .port = "USB",
         .run = [](Protocol& p) { p.ReadSwitch(Switch::StrobeAndGapDetect, 10); },
         .reply = "\x40",
         .writes = {"^MBR4,3"},
         .pauses = {10, 10},
         .readSizes = {1},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "switch read, parallel",
         .port = "LPT1:",
         .run = [](Protocol& p) { p.ReadSwitch(Switch::StrobeAndGapDetect, 10); },
         .reply = "\x40",
         .writes = {"^MBR4,2"},
         .pauses = {10, 10},
         .readSizes = {1},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "switch read, Ethernet",
         .port = "ETHERNET",
         .run = [](Protocol& p) { p.ReadSwitch(Switch::CodePage, 50); },
         .reply = "\x05",
         .writes = {"^MBR1,2"},
         .pauses = {50, 50},
         .readSizes = {32},
         .discards = 1},
        {.name = "switch 4 set with terminator",
         .port = "COM1:",
         .run = [](Protocol& p) { p.WriteSwitch(Switch::StrobeAndGapDetect, 0x40, true); },
         .writes = {QByteArray("^MBS4,\x40\r"), QByteArray("^MBA\x04\r")}},
        {.name = "switch 1 set without terminator",
         .port = "COM1:",
         .run = [](Protocol& p) { p.WriteSwitch(Switch::CodePage, 0x05, false); },
         .writes = {QByteArray("^MBS1,\x05"), QByteArray("^MBA\x01\r")}},
        {.name = "switch 2 set of a zero byte",
         .port = "COM1:",
         .run = [](Protocol& p) { p.WriteSwitch(Switch::SerialLine, 0, false); },
         .writes = {QByteArray("^MBS2,\0", 7), QByteArray("^MBA\x02\r")}},
        {.name = "paper width 832",
         .port = "COM1:",
         .run = [](Protocol& p) { p.SetUserValue(Protocol::UserValue::PaperWidth, 832); },
         .writes = {"^MBU0,832\r"}},
        {.name = "paper width 0",
         .port = "COM1:",
         .run = [](Protocol& p) { p.SetUserValue(Protocol::UserValue::PaperWidth, 0); },
         .writes = {"^MBU0,0\r"}},
        {.name = "negative gap length",
         .port = "COM1:",
         .run = [](Protocol& p) { p.SetUserValue(Protocol::UserValue::GapLength, -5); },
         .writes = {"^MBU5,-5\r"}},
        {.name = "initialise user settings",
         .port = "COM1:",
         .run = [](Protocol& p) { p.InitialiseUserSettings(); },
         .writes = {QByteArray("^MBU\x0F,99\r")}},
        {.name = "check label length on",
         .port = "COM1:",
         .run = [](Protocol& p) { p.SetCheckLabelLength(true); },
         .writes = {"^MBL1"}},
        {.name = "check label length off",
         .port = "COM1:",
         .run = [](Protocol& p) { p.SetCheckLabelLength(false); },
         .writes = {"^MBL0"}},
        {.name = "density query",
         .port = "COM1:",
         .run =
             [](Protocol& p) {
                 p.QueryText(Protocol::UserValueQuery(Protocol::UserValue::PrintDensity), 10, 32);
             },
         .reply = "8\r\n",
         .writes = {"^PI4,1\r\n"},
         .pauses = {10, 10},
         .readSizes = {32},
         .readEnds = {kLine},
         .discards = 1},
        {.name = "gap length query",
         .port = "COM1:",
         .run =
             [](Protocol& p) {
                 p.QueryText(Protocol::UserValueQuery(Protocol::UserValue::GapLength), 10, 32);
             },
         .reply = "24\r\n",
         .writes = {"^PI5,2\r\n"},
         .pauses = {10, 10},
         .readSizes = {32},
         .readEnds = {kLine},
         .discards = 1},
        {.name = "hardware version",
         .port = "COM1:",
         .run =
             [](Protocol& p) { p.ReadIdentification(Protocol::Identification::HardwareVersion); },
         .reply = "1.00\r\n",
         .writes = {"^MBX0\r\n"},
         .pauses = {100, 10},
         .readSizes = {7},
         .readEnds = {kLine},
         .discards = 1},
        {.name = "serial number",
         .port = "COM1:",
         .run = [](Protocol& p) { p.ReadIdentification(Protocol::Identification::SerialNumber); },
         .reply = "A1\r\n",
         .writes = {"^MBX1\r"},
         .pauses = {1000, 10},
         .readSizes = {18},
         .readEnds = {kLine},
         .discards = 1},
        {.name = "printer ID",
         .port = "COM1:",
         .run = [](Protocol& p) { p.ReadIdentification(Protocol::Identification::PrinterId); },
         .reply = "ID\r\n",
         .writes = {"^MBX2\r"},
         .pauses = {100, 10},
         .readSizes = {12},
         .readEnds = {kLine},
         .discards = 1},
        {.name = "store printer ID",
         .port = "COM1:",
         .run =
             [](Protocol& p) { p.StoreIdentification(Protocol::Identification::PrinterId, "ABC"); },
         .writes = {"^MBY2,ABC\r\n"},
         .pauses = {5700}},
        {.name = "initialise hardware version",
         .port = "COM1:",
         .run =
             [](Protocol& p) {
                 p.InitialiseIdentification(Protocol::Identification::HardwareVersion);
             },
         .writes = {QByteArray("^MBY\x0F,0\r\n")},
         .pauses = {5700}},
        {.name = "model type",
         .port = "COM1:",
         .run = [](Protocol& p) { p.QueryText(Protocol::kModelTypeQuery, 10, 32); },
         .reply = "DT\r\n",
         .writes = {"^PI1"},
         .pauses = {10, 10},
         .readSizes = {32},
         .readEnds = {kLine},
         .discards = 1},
        {.name = "head temperature",
         .port = "COM1:",
         .run = [](Protocol& p) { p.QueryText(Protocol::kHeadTemperatureQuery, 10, 32); },
         .reply = "25\r\n",
         .writes = {"^PI4,0"},
         .pauses = {10, 10},
         .readSizes = {32},
         .readEnds = {kLine},
         .discards = 1},
        {.name = "print offset",
         .port = "COM1:",
         .run = [](Protocol& p) { p.QuerySigned(Protocol::kPrintOffsetQuery); },
         .reply = "+050\r\n",
         .writes = {"^SA\r\n"},
         .pauses = {10, 10},
         .readSizes = {7},
         .readEnds = {kLine},
         .discards = 1},
        {.name = "tear-off position",
         .port = "COM1:",
         .run = [](Protocol& p) { p.QuerySigned(Protocol::kTearOffQuery); },
         .reply = "-007\r\n",
         .writes = {"^PI4,2\r\n"},
         .pauses = {10, 10},
         .readSizes = {7},
         .readEnds = {kLine},
         .discards = 1},
        {.name = "set offset",
         .port = "COM1:",
         .run = [](Protocol& p) { p.SetSigned(Protocol::kPrintOffsetLetters, true, "15"); },
         .writes = {"SA-15\r\n"}},
        {.name = "set tear-off, digits as entered",
         .port = "COM1:",
         .run = [](Protocol& p) { p.SetSigned(Protocol::kTearOffLetters, false, "007"); },
         .writes = {"TA+007\r\n"}},
        {.name = "set over Ethernet",
         .port = "ETHERNET",
         .run = [](Protocol& p) { p.SetSigned(Protocol::kTearOffLetters, false, "1"); },
         .writes = {"TA+1\r\n"},
         .pauses = {50}},
        {.name = "sensing, serial",
         .port = "COM1:",
         .run = [](Protocol& p) { p.ReadSensing(1200, Protocol::SensingType::Gap); },
         .reply = sensing,
         .writes = {"^MXd,1200,G\r"},
         .pauses = {4800, 10},
         .readSizes = {64},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "sensing, parallel",
         .port = "LPT1:",
         .run = [](Protocol& p) { p.ReadSensing(1200, Protocol::SensingType::BlackMark); },
         .reply = sensing,
         .writes = {"^MXd,1200,B\r"},
         .pauses = {7200, 10},
         .readSizes = {64},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "sensing, USB of no piecewise model",
         .port = "USB",
         .run = [](Protocol& p) { p.ReadSensing(100, Protocol::SensingType::Gap); },
         .reply = sensing,
         .writes = {"^MXd,100,G\r"},
         .pauses = {600, 10},
         .readSizes = {64},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "store calibration",
         .port = "COM1:",
         .run = [](Protocol& p) { p.StoreCalibration(120, 10); },
         .writes = {"^MXs,120,10\r"}},
        {.name = "cancel calibration",
         .port = "COM1:",
         .run = [](Protocol& p) { p.CancelCalibration(); },
         .writes = {"^MXc\r"}},
        {.name = "^cp",
         .port = "COM1:",
         .run = [](Protocol& p) { p.QueryStatus(Protocol::Status::ErrorsAndJob); },
         .reply = QByteArray("\x40\0", 2),
         .writes = {"^cp\r"},
         .pauses = {50, 10},
         .readSizes = {2},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "^cu",
         .port = "COM1:",
         .run = [](Protocol& p) { p.QueryStatus(Protocol::Status::Errors); },
         .reply = "\x84",
         .writes = {"^cu\r"},
         .pauses = {50, 10},
         .readSizes = {1},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "^ee",
         .port = "COM1:",
         .run = [](Protocol& p) { p.QueryStatus(Protocol::Status::ErrorCode); },
         .reply = "06\r\n",
         .writes = {"^ee\r"},
         .pauses = {30, 10},
         .readSizes = {4},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "CPS",
         .port = "COM1:",
         .run = [](Protocol& p) { p.QueryStatus(Protocol::Status::MechanismErrors); },
         .reply = "\x03",
         .writes = {"CPS\r"},
         .pauses = {50, 10},
         .readSizes = {1},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "bytes query",
         .port = "COM1:",
         .run = [](Protocol& p) { p.QueryBytes("^XY\r", 20, 3); },
         .reply = "abc",
         .writes = {"^XY\r"},
         .pauses = {20, 10},
         .readSizes = {3},
         .readEnds = {kLength},
         .discards = 1},
        {.name = "plain request",
         .port = "COM1:",
         .run = [](Protocol& p) { p.SendRequest("~R"); },
         .writes = {"~R"}},
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
        EXPECT_EQ(rig.link.readEnds, exchange.readEnds) << exchange.name;
        EXPECT_EQ(rig.link.discards, exchange.discards) << exchange.name;
        EXPECT_TRUE(rig.messages.entries.empty()) << exchange.name;
    }
}

TEST(SettingsProtocol, WritesReportWhatTheLinkDid) {
    TestRig rig;
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    Protocol protocol(rig.port, rig.pacer);
    EXPECT_TRUE(protocol.WriteSwitch(Switch::SpeedAndCharacterSet, 0x20, true));
    EXPECT_TRUE(protocol.SendRequest("^MBL1"));

    // The link gives up on the byte: no apply request follows, which would apply whatever the
    // printer holds, and the failure is reported after the link's own warning.
    rig.link.ClearRecord();
    rig.link.acceptPerWrite = 0;
    EXPECT_FALSE(protocol.WriteSwitch(Switch::SpeedAndCharacterSet, 0x20, true));
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
        {.port = "COM1:",
         .reply = "203\r\n",
         .error = false,
         .received = true,
         .text = "203\r\n",
         .stripped = "203"},
        {.port = "COM1:",
         .reply = "\r\n",
         .error = false,
         .received = true,
         .text = "\r\n",
         .stripped = ""},
        {.port = "COM1:",
         .reply = "\n\r\n",
         .error = false,
         .received = true,
         .text = "\n\r\n",
         .stripped = ""},
        {.port = "COM1:",
         .reply = QByteArray("AB\0CD", 5),
         .error = false,
         .received = true,
         .text = "AB",
         .stripped = "AB"},
        {.port = "COM1:",
         .reply = QByteArray("\0\0", 2),
         .error = false,
         .received = true,
         .text = "",
         .stripped = ""},
        {.port = "COM1:",
         .reply = "",
         .error = false,
         .received = false,
         .text = "",
         .stripped = ""},
        {.port = "ETHERNET",
         .reply = "",
         .error = true,
         .received = false,
         .text = "",
         .stripped = ""},
        {.port = "ETHERNET",
         .reply = QByteArray(40, 'x'),
         .error = false,
         .received = true,
         .text = QByteArray(32, 'x'),
         .stripped = QByteArray(32, 'x')},
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
        {.reply = "+050\r\n",
         .received = true,
         .wellFormed = true,
         .negative = false,
         .magnitude = 50},
        {.reply = "-007\r\n",
         .received = true,
         .wellFormed = true,
         .negative = true,
         .magnitude = 7},
        {.reply = "-012", .received = true, .wellFormed = true, .negative = true, .magnitude = 12},
        {.reply = "+100",
         .received = true,
         .wellFormed = true,
         .negative = false,
         .magnitude = 100},
        {.reply = "-015", .received = true, .wellFormed = true, .negative = true, .magnitude = 15},
        // Three digits make the value.
        {.reply = "+1000\r\n",
         .received = true,
         .wellFormed = true,
         .negative = false,
         .magnitude = 100},
        // Short replies count as far as their digits go, not their line end.
        {.reply = "-5\r\n", .received = true, .wellFormed = true, .negative = true, .magnitude = 5},
        {.reply = "+42\r\n",
         .received = true,
         .wellFormed = true,
         .negative = false,
         .magnitude = 42},
        {.reply = "050\r\n",
         .received = true,
         .wellFormed = true,
         .negative = false,
         .magnitude = 50},
        // No digit at all: nothing to show.
        {.reply = "\r\n", .received = true, .wellFormed = false, .negative = false, .magnitude = 0},
        {.reply = "-\r\n",
         .received = true,
         .wellFormed = false,
         .negative = false,
         .magnitude = 0},
        {.reply = "+abc\r\n",
         .received = true,
         .wellFormed = false,
         .negative = false,
         .magnitude = 0},
        {.reply = "", .received = false, .wellFormed = false, .negative = false, .magnitude = 0},
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
        const Protocol::SwitchReply reply = protocol.ReadSwitch(Switch::SerialLine, 10);
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
        {.port = "COM1:",
         .status = Protocol::Status::ErrorCode,
         .replies = {"00\r\n"},
         .exact = true,
         .readSizes = {4},
         .readsBeforeWarning = 0,
         .front = "00\r\n"},
        {.port = "COM1:",
         .status = Protocol::Status::ErrorCode,
         .replies = {"00\n\r"},
         .exact = false,
         .readSizes = {4, 4, 4, 4},
         .readsBeforeWarning = 1,
         .front = "00\n\r"},
        {.port = "COM1:",
         .status = Protocol::Status::ErrorCode,
         .replies = {"00\r"},
         .exact = false,
         .readSizes = {4, 4, 4, 4},
         .readsBeforeWarning = 1,
         .front = "00\r"},
        {.port = "COM1:",
         .status = Protocol::Status::ErrorsAndJob,
         .replies = {QByteArray("\x40\0", 2)},
         .exact = true,
         .readSizes = {2},
         .readsBeforeWarning = 0,
         .front = QByteArray("\x40\0", 2)},
        // The late rest of a reply is caught by the discarding read and handed back.
        {.port = "COM1:",
         .status = Protocol::Status::ErrorsAndJob,
         .replies = {"\x40", "\x80\x01"},
         .exact = false,
         .readSizes = {2, 2},
         .readsBeforeWarning = 1,
         .front = "\x80\x01"},
        // One TCP read takes a reply that is too long whole.
        {.port = "ETHERNET",
         .status = Protocol::Status::Errors,
         .replies = {"\x84\x01"},
         .exact = false,
         .readSizes = {32, 32},
         .readsBeforeWarning = 1,
         .front = "\x84\x01"},
        {.port = "COM1:",
         .status = Protocol::Status::MechanismErrors,
         .replies = {},
         .exact = false,
         .readSizes = {1, 1, 1, 1, 1, 1},
         .readsBeforeWarning = 3,
         .front = QByteArray("\0", 1)},
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

// The simulated RFID encoder: settings, counters, tag data, passwords, locks and kill, as a host
// that writes and reads tags would meet them.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "TestClient.h"
#include "WholeAndPieces.h"
#include "sim/Printer.h"
#include "sim/Server.h"

namespace {

using Prepare = std::function<void(sim::PrinterState&)>;
using Tag = sim::RfidTag;
using Locks = std::array<Tag::Lock, Tag::kAreas>;

constexpr Tag::Lock kOpen{}, kLocked{.locked = true}, kForever{.locked = true, .permanent = true},
    kNeverLocked{.permanent = true};

// The seven query replies, all lines.
const std::string kQueries = ">RFI,1\r>RFI,2\r>RFI,3\r>RFI,4\r>RFI,5\r>RFI,6\r>RFI,7\r";

// A blank tag with EPC 1122 (then zeros) in the field, then `prepare`.
sim::PrinterState Sent(const std::string& bytes, const Prepare& prepare = {},
                       std::string* replies = nullptr) {
    sim::PrinterState state;
    const std::string answered = WholeAndPieces(
        bytes,
        [&](sim::PrinterState& s) {
            s.rfid.tag = sim::RfidState::BlankTag({0x11, 0x22});
            if (prepare) {
                prepare(s);
            }
        },
        &state);
    if (replies != nullptr) {
        *replies = answered;
    }
    return state;
}

std::string Replies(const std::string& bytes, const Prepare& prepare = {}) {
    std::string replies;
    Sent(bytes, prepare, &replies);
    return replies;
}

Prepare Locked(std::size_t area, Tag::Lock lock, bool secured = false) {
    return [=](sim::PrinterState& s) {
        s.rfid.tag->locks[area] = lock;
        s.rfid.tag->secured = secured;
    };
}

TEST(SimRfidCommands, KeepsTheSettingsWholeOrNotAtAll) {
    struct Case {
        const char* bytes;
        std::string queried;
    };
    const Case accepted[] = {
        {">RFS,5,3,2,1\r>RFTP,600\r", "GEN2\r\n1\r\n600\r\n3\r\n2\r\n0\r\n0\r\n"},
        {">RFS,2,10,5,31\r\n>RFTP,0123456789abcdef\r\n",
         "ISO-B\r\n31\r\n0123456789abcdef\r\n10\r\n5\r\n0\r\n0\r\n"},
        {">RFS,0,0,7\n", "GEN2\r\n7\r\n600\r\n0\r\n0\r\n0\r\n0\r\n"},  // the type stays
        {">RFS,2,0,0,1\r>RFS,4,1,9\r", "ISO-B\r\n9\r\n600\r\n4\r\n1\r\n0\r\n0\r\n"},
        {">RFTP,\r", "GEN2\r\n16\r\n\r\n3\r\n2\r\n0\r\n0\r\n"},
    };
    for (const Case& c : accepted) {
        EXPECT_EQ(WholeAndPieces(c.bytes + kQueries), c.queried) << c.bytes;
    }
    // Any field out of range or malformed refuses the whole command.
    const char* const refused[] = {">RFS,5,11,2,1\r",          ">RFS,5,3,6,1\r", ">RFS,5,3,2,0\r",
                                   ">RFS,5,3,2,32\r",          ">RFS,3,3,2,1\r", ">RFS,5,-1,2,1\r",
                                   ">RFS,5,3,2,1,1\r",         ">RFS,3,2\r",     ">RFS,,3,2,1\r",
                                   ">RFS,5,3,2,1x\r",          ">RFS\r",         ">RFTP\r",
                                   ">RFTP,0123456789abcdefg\r"};
    for (const char* bytes : refused) {
        sim::PrinterState state;
        EXPECT_EQ(WholeAndPieces(bytes + kQueries, {}, &state),
                  "GEN2\r\n16\r\n600\r\n3\r\n2\r\n0\r\n0\r\n")
            << bytes;
        EXPECT_EQ(state.status.errorCode, "01") << bytes;
    }
}

TEST(SimRfidCommands, AnswersQueriesCountersResetAndCalibration) {
    const Prepare counted = [](sim::PrinterState& s) {
        s.rfid.valid = 12;
        s.rfid.voided = 3;
    };
    EXPECT_EQ(Replies(">RFI,6\r>RFI,7\r\n", counted), "12\r\n3\r\n");
    EXPECT_EQ(Replies(">RFVR\r>RFI,6\r>RFI,7\r", counted), "0\r\n0\r\n");
    for (const char* unknown : {">RFI,0\r", ">RFI,8\r", ">RFI,\r", ">RFI\r", ">RFI,01x\r"}) {
        const sim::PrinterState state = Sent(unknown);
        EXPECT_EQ(Replies(unknown), "") << unknown;
        EXPECT_EQ(state.status.errorCode, "01") << unknown;
    }
    EXPECT_FALSE(Sent("").rfid.calibrated);
    EXPECT_TRUE(Sent(">RFCP\r").rfid.calibrated);
    EXPECT_FALSE(Sent(">RFCP,1\r").rfid.calibrated);
    EXPECT_EQ(Sent(">RFVR,\r", counted).rfid.valid, 12);
}

TEST(SimRfidCommands, WritesAndReadsBackExactly) {
    struct Case {
        std::string bytes;
        std::string replies;
    };
    const Case cases[] = {
        {">RFW,H,4,2,'ABCD'\r>RFR,H,4,3,S\r", "ABCD00"},
        {">RFw,H,6,2,'abcd'\r\n>RFr,H,4,4,S\r\n", "1122ABCD"},
        {">RFW,A,6,3,'XYZ'\r>RFR,A,6,3,S\r>RFR,H,6,3,S\r", "XYZ58595A"},
        {">RFW,A,4,3,'a'b'\r>RFR,A,4,3,S\r", "a'b"},  // the last quote ends the data
        {">RFW,A,4,3,'a,b'\r>RFR,A,4,3,S\r", "a,b"},
        {">RFW,U,0,2,'0a0B'\r>RFr,u,0,2,S\r", "0A0B"},
        {">RFw,U,10,2,'hi'\n>RFR,U,10,2,S\n", "6869"},
        {">RFR,H,0,6,S\r", "000030001122"},  // CRC and PC words before the EPC
        {">RFR,U,16,64,S\r", std::string(128, '0')},
        {">RFR,H,4,2,S\r>RFI,6\r>RFI,7\r", "11221\r\n0\r\n"},
    };
    for (const Case& c : cases) {
        std::string replies;
        const sim::PrinterState state = Sent(c.bytes, {}, &replies);
        EXPECT_EQ(replies, c.replies) << c.bytes;
        EXPECT_EQ(state.rfid.voided, 0) << c.bytes;
        EXPECT_EQ(state.status.errorCode, "00") << c.bytes;
    }
}

TEST(SimRfidCommands, VoidsWhatTheTagCannotTake) {
    const Prepare noTag = [](sim::PrinterState& s) { s.rfid.tag.reset(); };
    const Prepare killed = [](sim::PrinterState& s) { s.rfid.tag->killed = true; };
    struct Case {
        const char* what;
        std::string bytes;
        Prepare prepare{};
        bool valid = false;
    };
    const Case cases[] = {
        {"no tag", ">RFW,H,4,1,'FF'\r", noTag},
        {"killed tag", ">RFW,H,4,1,'FF'\r", killed},
        {"beyond the bank", ">RFW,U,79,2,'FFFF'\r"},
        {"to the end of the bank", ">RFW,U,79,1,'FF'\r", {}, true},
        {"hex too short", ">RFW,H,4,2,'FFF'\r"},
        {"hex too long", ">RFW,H,4,1,'FFFF'\r"},
        {"not hex", ">RFW,H,4,1,'FG'\r"},
        {"ASCII too long", ">RFW,A,4,1,'AB'\r"},
        {"user data neither hex nor ASCII", ">RFW,U,4,2,'ABC'\r"},
        {"EPC locked", ">RFW,H,4,1,'FF'\r", Locked(Tag::kEpcArea, kLocked)},
        {"EPC locked, tag secured", ">RFW,H,4,1,'FF'\r", Locked(Tag::kEpcArea, kLocked, true),
         true},
        {"EPC locked for ever", ">RFW,H,4,1,'FF'\r", Locked(Tag::kEpcArea, kForever, true)},
        {"EPC never lockable", ">RFW,H,4,1,'FF'\r", Locked(Tag::kEpcArea, kNeverLocked), true},
        {"user locked", ">RFW,U,4,1,'FF'\r", Locked(Tag::kUserArea, kLocked)},
        {"user write, EPC locked", ">RFW,U,4,1,'FF'\r", Locked(Tag::kEpcArea, kLocked), true},
        {"read, no tag", ">RFR,H,4,2,S\r", noTag},
        {"read, killed tag", ">RFR,H,4,2,S\r", killed},
        {"read beyond the bank", ">RFR,H,17,64,S\r"},
        {"print, no tag", ">RFR,H,4,2,P\r", noTag},
    };
    for (const Case& c : cases) {
        std::string replies;
        const sim::PrinterState state = Sent(c.bytes, c.prepare, &replies);
        const bool wrote =
            state.rfid.tag && (state.rfid.tag->epc[4] == 0xFF || state.rfid.tag->user[4] == 0xFF ||
                               state.rfid.tag->user[79] == 0xFF);
        EXPECT_EQ(replies, "") << c.what;
        EXPECT_EQ(state.rfid.valid, c.valid ? 1 : 0) << c.what;
        EXPECT_EQ(state.rfid.voided, c.valid ? 0 : 1) << c.what;
        EXPECT_EQ(wrote, c.valid && c.bytes[3] == 'W') << c.what;
        EXPECT_EQ(state.labels.printedCount, 0) << c.what;
    }
}

TEST(SimRfidCommands, RefusesWhatItCannotReadAndCountsNothing) {
    const char* const refused[] = {">RFW,X,4,1,'00'\r",
                                   ">RFW,u,4,1,'00'\r",
                                   ">RFW,H,4,0,''\r",
                                   ">RFW,H,4,1,00\r",
                                   ">RFW,H,4,1,'00\r",
                                   ">RFW,H,4,'00'\r",
                                   ">RFW,H,-1,1,'00'\r",
                                   ">RFW,H,4,1,'00' \r",
                                   ">RFR,H,4,1,X\r",
                                   ">RFR,H,4,1\r",
                                   ">RFR,a,4,1,S\r",
                                   ">RFR,H,4,1,S,\r",
                                   ">RFR,H,4,123456,S\r",
                                   ">RFUL,1\r",
                                   ">RFKL,\r",
                                   ">RFLK ",
                                   ">RFX\r",
                                   ">RFZ,'5E3A91C7,5E3A91C7,1234567,00000000'\r",
                                   ">RFZ,'5E3A91C7,5E3A91C7,1234567G,00000000'\r",
                                   ">RFZ,'5E3A91C7,12345678,00000000'\r",
                                   ">RFZ,5E3A91C7,5E3A91C7,12345678,00000000\r",
                                   ">RFLP,L,'00,00,01'\r",
                                   ">RFLP,L,'0,00,00'\r",
                                   ">RFLP,L,'00,00,0G'\r",
                                   ">RFLP,X,'00,00,00'\r",
                                   ">RFLP,L,'00,00'\r",
                                   ">RFLP,L,00,00,00\r",
                                   ">RFLP,L'00,00,00'\r"};
    for (const std::string bytes : refused) {
        std::string replies;
        const sim::PrinterState state = Sent(bytes + "\r^ee\r", {}, &replies);
        EXPECT_EQ(replies, "01\r\n") << bytes;
        EXPECT_EQ(state.rfid.valid + state.rfid.voided, 0) << bytes;
        EXPECT_EQ(state.rfid.accessPassword, "00000000") << bytes;
        EXPECT_EQ(state.rfid.tag->locks, Locks{}) << bytes;
    }
    // A line longer than any command is refused whole: nothing of it becomes a label line.
    std::string replies;
    const sim::PrinterState state =
        Sent(">RFW,A,4,2000,'" + std::string(2000, 'X') + "'\r>RFI,4\r^ee\r", {}, &replies);
    EXPECT_EQ(replies, "3\r\n01\r\n");
    EXPECT_TRUE(state.labels.current.lines.empty());
}

TEST(SimRfidCommands, PrintsWhatItReads) {
    const sim::PrinterState state = Sent("SOT\r>RFR,H,4,2,P\r>RFR,A,4,1,S\r",
                                         [](sim::PrinterState& s) { s.rfid.tag->secured = true; });
    ASSERT_EQ(state.labels.printed.size(), 1u);
    EXPECT_EQ(state.labels.printed[0].lines, std::vector<std::string>{"1122"});
    EXPECT_EQ(state.labels.printedCount, 1);
    EXPECT_EQ(state.labels.current.lines, std::vector<std::string>{"SOT"});
    EXPECT_EQ(state.rfid.valid, 2);
    EXPECT_FALSE(state.rfid.tag->secured);
}

TEST(SimRfidCommands, UnlockOpensALockedTagForOneLabel) {
    const Prepare guarded = [](sim::PrinterState& s) { s.rfid.tag->accessPassword = "1234ABCD"; };
    const std::string lockEpc = ">RFLP,L,'08,02,00'\r";
    const std::string write = ">RFW,H,4,1,'FF'\r";
    struct Case {
        const char* what;
        std::string bytes;
        Prepare prepare;
        long valid, voided;
        bool written;
    };
    const Case cases[] = {
        {"locked: refused", lockEpc + write, guarded, 1, 1, false},
        {"wrong password", lockEpc + ">RFUL\r" + write, guarded, 1, 2, false},
        {"right password", lockEpc + ">RFZ,'5E3A91C7,5E3A91C7,1234abcd,00000000'\r>RFUL\r" + write,
         guarded, 4, 0, true},
        {"both zero", lockEpc + ">RFUL\r" + write, {}, 3, 0, true},
        {"a printed label ends it", lockEpc + ">RFUL\rP1\r" + write, {}, 2, 1, false},
        {"no tag", ">RFUL\r", [](sim::PrinterState& s) { s.rfid.tag.reset(); }, 0, 1, false},
    };
    for (const Case& c : cases) {
        const sim::PrinterState state = Sent(c.bytes, c.prepare);
        EXPECT_EQ(state.rfid.valid, c.valid) << c.what;
        EXPECT_EQ(state.rfid.voided, c.voided) << c.what;
        if (state.rfid.tag) {
            EXPECT_EQ(state.rfid.tag->epc[4] == 0xFF, c.written) << c.what;
        }
    }
}

TEST(SimRfidCommands, AppliesTheLockPayload) {
    struct Case {
        const char* what;
        std::string payload;
        Prepare prepare{};
        Locks locks{};  // after the command
        bool valid = true;
    };
    const Locks allForever = {kForever, kForever, kForever, kForever, kForever};
    const Case cases[] = {
        {"nothing masked", "L,'00,00,00'"},
        {"nothing masked, locks stay",
         "L,'00,00,00'",
         Locked(Tag::kTidArea, kLocked),
         {kOpen, kOpen, kOpen, kLocked, kOpen}},
        {"kill password", "L,'80,20,00'", {}, {kLocked, kOpen, kOpen, kOpen, kOpen}},
        {"access password", "L,'20,08,00'", {}, {kOpen, kLocked, kOpen, kOpen, kOpen}},
        {"EPC", "L,'08,02,00'", {}, {kOpen, kOpen, kLocked, kOpen, kOpen}},
        {"TID", "L,'02,00,80'", {}, {kOpen, kOpen, kOpen, kLocked, kOpen}},
        {"user", "L,'00,80,20'", {}, {kOpen, kOpen, kOpen, kOpen, kLocked}},
        {"action without mask", "L,'00,3F,F0'"},
        {"everything for ever", "L,'FF,FF,F0'", {}, allForever},
        {"never lockable", "L,'40,10,00'", {}, {kNeverLocked, kOpen, kOpen, kOpen, kOpen}},
        {"mask without action unlocks", "L,'80,00,00'", Locked(Tag::kKillPassword, kLocked, true)},
        {"unlocking needs the tag secured",
         "L,'80,00,00'",
         Locked(Tag::kKillPassword, kLocked),
         {kLocked, kOpen, kOpen, kOpen, kOpen},
         false},
        {"a locked area changes only secured",
         "L,'C0,30,00'",
         Locked(Tag::kKillPassword, kLocked),
         {kLocked, kOpen, kOpen, kOpen, kOpen},
         false},
        {"for ever stays",
         "L,'08,00,00'",
         Locked(Tag::kEpcArea, kForever, true),
         {kOpen, kOpen, kForever, kOpen, kOpen},
         false},
        {"for ever asked again",
         "L,'0C,03,00'",
         Locked(Tag::kEpcArea, kForever),
         {kOpen, kOpen, kForever, kOpen, kOpen}},
        {"never lockable stays open",
         "L,'00,80,20'",
         Locked(Tag::kUserArea, kNeverLocked),
         {kOpen, kOpen, kOpen, kOpen, kNeverLocked},
         false},
        {"all or nothing",
         "L,'88,20,00'",
         Locked(Tag::kEpcArea, kForever),
         {kOpen, kOpen, kForever, kOpen, kOpen},
         false},
        {"unlock mode clears masked areas",
         "U,'AA,00,00'",
         [](sim::PrinterState& s) {
             s.rfid.tag->locks = {kLocked, kLocked, kLocked, kNeverLocked, kLocked};
             s.rfid.tag->secured = true;
         },
         {kOpen, kOpen, kOpen, kNeverLocked, kLocked}},
        {"unlock mode needs the tag secured",
         "U,'08,00,00'",
         Locked(Tag::kEpcArea, kLocked),
         {kOpen, kOpen, kLocked, kOpen, kOpen},
         false},
        {"unlock mode cannot open for ever",
         "U,'08,00,00'",
         Locked(Tag::kEpcArea, kForever, true),
         {kOpen, kOpen, kForever, kOpen, kOpen},
         false},
        {"killed tag",
         "L,'08,02,00'",
         [](sim::PrinterState& s) { s.rfid.tag->killed = true; },
         {},
         false},
    };
    for (const Case& c : cases) {
        const sim::PrinterState state = Sent(">RFLP," + c.payload + "\r\n", c.prepare);
        EXPECT_EQ(state.rfid.tag->locks, c.locks) << c.what;
        EXPECT_EQ(state.rfid.valid, c.valid ? 1 : 0) << c.what;
        EXPECT_EQ(state.rfid.voided, c.valid ? 0 : 1) << c.what;
    }
}

TEST(SimRfidCommands, LockLocksTheEpcUnlessItCanNeverBe) {
    EXPECT_EQ(Sent(">RFLK\r").rfid.tag->locks[Tag::kEpcArea], kLocked);
    const sim::PrinterState state = Sent(">RFLK\r\n", Locked(Tag::kEpcArea, kNeverLocked));
    EXPECT_EQ(state.rfid.tag->locks[Tag::kEpcArea], kNeverLocked);
    EXPECT_EQ(state.rfid.voided, 1);
}

TEST(SimRfidCommands, PasswordsReachTheTagWhenItsPasswordAreasAllow) {
    const std::string set = ">RFZ,'5E3A91C7,5E3A91C7,11aa2233,44556677'\r";
    struct Case {
        const char* what;
        Prepare prepare;
        bool written;
    };
    const Case cases[] = {
        {"open", {}, true},
        {"access locked", Locked(Tag::kAccessPassword, kLocked), false},
        {"access locked, secured", Locked(Tag::kAccessPassword, kLocked, true), true},
        {"access locked for ever", Locked(Tag::kAccessPassword, kForever, true), false},
        {"kill locked", Locked(Tag::kKillPassword, kLocked), false},
        {"no tag", [](sim::PrinterState& s) { s.rfid.tag.reset(); }, false},
    };
    for (const Case& c : cases) {
        const sim::PrinterState state = Sent(set, c.prepare);
        EXPECT_EQ(state.rfid.accessPassword, "11AA2233") << c.what;
        EXPECT_EQ(state.rfid.killPassword, "44556677") << c.what;
        if (state.rfid.tag) {
            EXPECT_EQ(state.rfid.tag->accessPassword, c.written ? "11AA2233" : "00000000")
                << c.what;
            EXPECT_EQ(state.rfid.tag->killPassword, c.written ? "44556677" : "00000000") << c.what;
        }
        EXPECT_EQ(state.rfid.valid, c.written ? 1 : 0) << c.what;
        EXPECT_EQ(state.rfid.voided, c.written ? 0 : 1) << c.what;
    }
}

TEST(SimRfidCommands, KillSilencesTheTagForGood) {
    const std::string setKill = ">RFZ,'5E3A91C7,5E3A91C7,00000000,0000BEEF'\r";
    struct Case {
        const char* what;
        std::string bytes;
        bool killed;
    };
    const Case cases[] = {
        {"right password", setKill + ">RFKL\r", true},
        {"zero password", ">RFKL\r", false},
        {"wrong password",
         setKill + ">RFLP,L,'80,20,00'\r>RFZ,'5E3A91C7,5E3A91C7,00000000,0000BEEE'\r>RFKL\r",
         false},
    };
    for (const Case& c : cases) {
        std::string replies;
        const sim::PrinterState state =
            Sent(c.bytes + ">RFR,H,4,2,S\r>RFUL\r>RFW,H,4,1,'FF'\r", {}, &replies);
        EXPECT_EQ(state.rfid.tag->killed, c.killed) << c.what;
        EXPECT_EQ(replies, c.killed ? "" : "1122") << c.what;
        EXPECT_EQ(state.rfid.tag->secured, !c.killed) << c.what;
        EXPECT_EQ(state.rfid.tag->epc[4] == 0xFF, !c.killed) << c.what;
    }
}

// The write form's sequence and the read form's read over a real connection, both transports,
// on the tag a printer starts with.
TEST(SimRfidCommands, WritesAndReadsOverTcpAndTheTerminal) {
    for (const bool tcp : {true, false}) {
        sim::Printer printer;
        sim::Server server(printer);
        ASSERT_TRUE(tcp ? server.ListenTcp() : server.OpenPty()) << server.LastError();
        ASSERT_TRUE(server.Start());
        TestClient client = tcp ? TestClient::ConnectTcp(server.TcpPort())
                                : TestClient::OpenTerminal(server.PtyPath());
        ASSERT_TRUE(client.IsOpen());
        ASSERT_TRUE(
            client.Send(">RFZ,'5E3A91C7,5E3A91C7,5E3A91C7,5E3A91C7'\r>RFUL\r"
                        ">RFW,H,4,2,'ABCD'\r>RFLP,L,'08,02,00'\rP1\r"));
        ASSERT_TRUE(client.Send(">RFR,H,4,12,S\r"));
        EXPECT_EQ(client.Receive(24, 2000), "ABCD33445566778899AABBCC");  // the sample tag
        ASSERT_TRUE(client.Send(">RFI,6\r>RFI,7\r"));
        EXPECT_EQ(client.Receive(6, 2000), "5\r\n0\r\n");
        const sim::PrinterState state = printer.Snapshot();
        EXPECT_EQ(state.rfid.tag->locks[Tag::kEpcArea], kLocked);
        EXPECT_EQ(state.labels.printedCount, 1);
    }
}

}  // namespace

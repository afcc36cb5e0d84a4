// The simulated printer's status requests: each flag in its byte and bit, and the error code.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "sim/Printer.h"

namespace {

using namespace std::string_literals;

// The replies to the four requests, on a printer prepared by `prepare`, sent whole and byte by
// byte (both must answer the same).
struct Answers {
    std::string cp;
    std::string cu;
    std::string cps;
    std::string ee;
};

Answers Ask(const std::function<void(sim::PrinterState&)>& prepare) {
    const std::string requests[] = {"^cp\r", "^cu\r", "CPS\r", "^ee\r"};
    sim::Printer whole;
    sim::Printer pieces;
    whole.Edit(prepare);
    pieces.Edit(prepare);
    std::string replies[4];
    for (int i = 0; i < 4; ++i) {
        replies[i] = whole.Receive(requests[i]);
        std::string pieceReplies;
        for (const char byte : requests[i]) {
            pieceReplies += pieces.Receive(std::string(1, byte));
        }
        EXPECT_EQ(pieceReplies, replies[i]) << requests[i];
    }
    return {replies[0], replies[1], replies[2], replies[3]};
}

struct Flag {
    const char* what;
    bool sim::StatusState::*flag;
    std::string cp;   // two bytes
    std::string cps;  // one byte; "^cu" answers byte 0 of "^cp"
};

TEST(SimStatusCommands, ReportsEachFlagInItsBit) {
    const Flag flags[] = {
        {"paper empty", &sim::StatusState::paperEmpty, "\x80\0"s, "\x02"},
        {"cover open", &sim::StatusState::coverOpen, "\x40\0"s, "\x01"},
        {"cutter jammed", &sim::StatusState::cutterJammed, "\x20\0"s, "\0"s},
        {"head overheat", &sim::StatusState::headOverheat, "\x10\0"s, "\x08"},
        {"gap detection error", &sim::StatusState::gapDetectionError, "\x08\0"s, "\0"s},
        {"ribbon end", &sim::StatusState::ribbonEnd, "\x04\0"s, "\0"s},
        {"paper jam", &sim::StatusState::paperJam, "\0\0"s, "\x04"},
        {"building", &sim::StatusState::building, "\0\x80"s, "\0"s},
        {"printing", &sim::StatusState::printing, "\0\x40"s, "\0"s},
        {"paused", &sim::StatusState::paused, "\0\x20"s, "\0"s},
    };
    for (const Flag& flag : flags) {
        const Answers answers = Ask([&](sim::PrinterState& s) { s.status.*flag.flag = true; });
        EXPECT_EQ(answers.cp, flag.cp) << flag.what;
        EXPECT_EQ(answers.cu, flag.cp.substr(0, 1)) << flag.what;
        EXPECT_EQ(answers.cps, flag.cps) << flag.what;
        EXPECT_EQ(answers.ee, "00\r\n") << flag.what;
    }
}

TEST(SimStatusCommands, CombinesFlagsAndStartsClear) {
    const Answers clear = Ask([](sim::PrinterState&) {});
    EXPECT_EQ(clear.cp, "\0\0"s);
    EXPECT_EQ(clear.cu, "\0"s);
    EXPECT_EQ(clear.cps, "\0"s);
    const Answers many = Ask([](sim::PrinterState& s) {
        s.status.paperEmpty = s.status.ribbonEnd = s.status.coverOpen = true;
        s.status.printing = s.status.paused = true;
    });
    EXPECT_EQ(many.cp, "\xC4\x60");
    EXPECT_EQ(many.cu, "\xC4");
    EXPECT_EQ(many.cps, "\x03");
}

TEST(SimStatusCommands, AnswersTheErrorCodeInFourBytes) {
    struct Code {
        std::string set;
        std::string answered;
    };
    const Code codes[] = {
        {"00", "00\r\n"},  {"06", "06\r\n"},
        {"50", "50\r\n"},  {"5", "05\r\n"},  // a test's short code still makes four bytes
        {"123", "12\r\n"},
    };
    for (const Code& code : codes) {
        EXPECT_EQ(Ask([&](sim::PrinterState& s) { s.status.errorCode = code.set; }).ee,
                  code.answered)
            << code.set;
    }
}

TEST(SimStatusCommands, StatusRequestsAreNotLabelLines) {
    sim::Printer printer;
    EXPECT_EQ(printer.Receive("CPS\r\n^cp\r\n^cx\r^cu"), "\0\0\0\0"s);
    EXPECT_TRUE(printer.Snapshot().labels.current.lines.empty());
}

}  // namespace

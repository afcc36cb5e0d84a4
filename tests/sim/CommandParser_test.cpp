#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "sim/CommandParser.h"
#include "sim/Printer.h"

namespace {

// The bytes a host sends, chunk by chunk, and the reply each chunk must draw.
struct Exchange {
    const char* name;
    std::vector<std::pair<std::string, std::string>> chunks;
};

std::vector<std::pair<std::string, std::string>> SingleBytes(const std::string& bytes,
                                                             const std::string& lastReply) {
    std::vector<std::pair<std::string, std::string>> chunks;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        chunks.emplace_back(bytes.substr(i, 1), i == 3 ? lastReply : "");
    }
    return chunks;
}

void PrintTo(const Exchange& exchange, std::ostream* out) {
    *out << exchange.name;
}

const std::string kModel = "QX-M43\r\n";

class SimParserModelQuery : public testing::TestWithParam<Exchange> {};

TEST_P(SimParserModelQuery, AnswersEachQueryOnceItIsComplete) {
    sim::Printer printer;
    std::string sent;
    for (const auto& [chunk, reply] : GetParam().chunks) {
        EXPECT_EQ(printer.Receive(chunk), reply) << "after " << testing::PrintToString(chunk);
        sent += chunk;
    }
    EXPECT_EQ(printer.Received(), sent);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, SimParserModelQuery,
    testing::Values(
        Exchange{.name = "BareQuery", .chunks = {{"^PI0", kModel}}},
        Exchange{.name = "WithCrLf", .chunks = {{"^PI0\r\n", kModel}}},
        Exchange{.name = "CrLfArrivesLater", .chunks = {{"^PI0", kModel}, {"\r", ""}, {"\n", ""}}},
        Exchange{.name = "SingleBytes", .chunks = SingleBytes("^PI0\r\n", kModel)},
        Exchange{.name = "SeveralInOneChunk",
                 .chunks = {{"^PI0^PI0\r\n\r\n^PI0", kModel + kModel + kModel}}},
        Exchange{.name = "PrefixWaits", .chunks = {{"^PI", ""}, {"0", kModel}}},
        Exchange{.name = "JunkLineBefore", .chunks = {{"hello\r\n^PI0", kModel}}},
        Exchange{.name = "JunkRightBefore", .chunks = {{"xx^PI0", kModel}}},
        Exchange{.name = "UnknownCaretCommandBefore", .chunks = {{"^PX^PI0", kModel}}},
        Exchange{.name = "BrokenPrefixThenQuery", .chunks = {{"^PI", ""}, {"X^PI0", kModel}}},
        Exchange{.name = "JunkSplitAcrossChunks",
                 .chunks = {{"abc", ""}, {"def\n^P", ""}, {"I0", kModel}}},
        Exchange{.name = "OnlyLineEnds", .chunks = {{"\r\n\n\r", ""}}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(SimParser, ReportsWhateverModelNameIsSet) {
    for (const std::string name : {"KV-510II", "QX-R40", "qx-m43", "Unknown 9000", ""}) {
        sim::Printer printer(name);
        EXPECT_EQ(printer.Receive("^PI0\r\n"), name + "\r\n");
        printer.SetModelName(name + "X");
        EXPECT_EQ(printer.Receive("^PI0"), name + "X\r\n");
    }
}

// The parser's rules, with handlers made up for the purpose: fixed commands "AB" and "^C", and a
// line command "L" that ends at its CR.
sim::CommandHandler Fixed(std::string literal, std::string reply) {
    return [literal, reply](std::string_view pending, sim::PrinterState&) {
        switch (sim::MatchLiteral(pending, literal)) {
            case sim::Match::Mismatch:
                return sim::HandlerResult::NotMine();
            case sim::Match::Partial:
                return sim::HandlerResult::NeedMore();
            case sim::Match::Whole:
                break;
        }
        return sim::HandlerResult::Done(literal.size(), reply);
    };
}

sim::CommandTable MadeUpTable() {
    sim::CommandTable table;
    table.Add("AB", Fixed("AB", "[ab]"));
    table.Add("^C", Fixed("^C", "[c]"));
    table.Add("line", [](std::string_view pending, sim::PrinterState&) {
        if (pending.front() != 'L') {
            return sim::HandlerResult::NotMine();
        }
        const std::size_t end = pending.find('\r');
        if (end == std::string_view::npos) {
            return sim::HandlerResult::NeedMore();
        }
        return sim::HandlerResult::Done(end + 1, "[" + std::string(pending.substr(0, end)) + "]");
    });
    return table;
}

struct Rule {
    const char* name;
    std::string input;
    std::string replies;
    std::string pending;
};

void PrintTo(const Rule& rule, std::ostream* out) {
    *out << rule.name;
}

class SimParserRules : public testing::TestWithParam<Rule> {};

TEST_P(SimParserRules, FindsTheCommandsInTheStream) {
    const sim::CommandTable table = MadeUpTable();
    sim::CommandParser parser(table);
    sim::PrinterState state;
    EXPECT_EQ(parser.Feed(GetParam().input, state), GetParam().replies);
    EXPECT_EQ(parser.Pending(), GetParam().pending);
}

const std::string kLongJunk(sim::CommandParser::kMaxJunkRun, 'z');

INSTANTIATE_TEST_SUITE_P(
    Sim, SimParserRules,
    testing::Values(
        Rule{.name = "CommandsBackToBack",
             .input = "ABL1\rAB",
             .replies = "[ab][L1][ab]",
             .pending = ""},
        Rule{.name = "LineWaitsForItsEnd", .input = "ABL12", .replies = "[ab]", .pending = "L12"},
        Rule{.name = "RawBytesInsideACommandAreItsOwn",
             .input = "L\n^x\r",
             .replies = "[L\n^x]",
             .pending = ""},
        // Junk is dropped as a whole line: a command letter inside it starts nothing.
        Rule{.name = "JunkLineHidesCommandLetters",
             .input = "zzAB L1\rAB",
             .replies = "[ab]",
             .pending = ""},
        Rule{.name = "JunkEndsAtLineFeed", .input = "zz\nAB", .replies = "[ab]", .pending = ""},
        Rule{.name = "JunkEndsAtCaret", .input = "zz^C", .replies = "[c]", .pending = ""},
        Rule{.name = "UnknownCaretCommandIsJunk",
             .input = "^D AB\r^C",
             .replies = "[c]",
             .pending = ""},
        Rule{.name = "BrokenPrefixIsJunk", .input = "AxAB\r\nAB", .replies = "[ab]", .pending = ""},
        Rule{.name = "JunkWithoutEndWaits", .input = "zzz", .replies = "", .pending = ""},
        Rule{.name = "EndlessJunkGivesUp",
             .input = kLongJunk + "AB",
             .replies = "[ab]",
             .pending = ""}),
    [](const auto& test) { return std::string(test.param.name); });

// What the printer made of a stream: its replies and the labels.
struct Outcome {
    std::string replies{};
    std::vector<std::string> current{};
    std::vector<std::vector<std::string>> printed{};
    long printedCount = 0;

    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << testing::PrintToString(outcome.replies) << " current "
         << testing::PrintToString(outcome.current) << " printed "
         << testing::PrintToString(outcome.printed) << " x" << outcome.printedCount;
}

Outcome Fed(const std::vector<std::string_view>& pieces) {
    sim::Printer printer;
    Outcome outcome;
    for (const std::string_view piece : pieces) {
        outcome.replies += printer.Receive(piece);
    }
    const sim::LabelState labels = printer.Snapshot().labels;
    outcome.current = labels.current.lines;
    for (const sim::Label& label : labels.printed) {
        outcome.printed.push_back(label.lines);
    }
    outcome.printedCount = labels.printedCount;
    return outcome;
}

// A waiting command is read on from where the last piece left it, never again from its start:
// wherever the stream is cut, the printer makes the same of it.
TEST(SimParser, MakesTheSameOfAStreamWhereverItIsCut) {
    const std::string stream =
        "SOT\r\n"
        "T20,20,3,1,1,0,0,N,N,'a\\'b^c \\\\'\r\n"  // a quote, a caret, a backslash as data
        "^PI0"
        "T1,1,3,1,1,0,0,N,N,'C:\\\rP1\r"  // a backslash does not hide the line end
        "T1^PI5,0\r\n"                    // a caret outside the data: no label line
        "B1100,100,0,2,7,100,0,1,'1'\rhello junk\r\n" +
        std::string(sim::CommandParser::kMaxJunkRun + 10, 'z') +  // a junk run that gives up
        "^PI0P2,3\r";
    const Outcome whole = Fed({stream});
    EXPECT_EQ(whole, (Outcome{.replies = kModel + "832\r\n" + kModel,
                              .printed = {{"SOT", "T20,20,3,1,1,0,0,N,N,'a\\'b^c \\\\'"},
                                          {"B1100,100,0,2,7,100,0,1,'1'"}},
                              .printedCount = 7}));
    const std::string_view bytes = stream;
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        ASSERT_EQ(Fed({bytes.substr(0, cut), bytes.substr(cut)}), whole) << "cut at " << cut;
    }
    std::vector<std::string_view> single;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        single.push_back(bytes.substr(i, 1));
    }
    EXPECT_EQ(Fed(single), whole);
}

TEST(SimParser, JunkWithoutEndKeepsSwallowingAcrossChunks) {
    const sim::CommandTable table = MadeUpTable();
    sim::CommandParser parser(table);
    sim::PrinterState state;
    EXPECT_EQ(parser.Feed("zz", state), "");
    EXPECT_EQ(parser.Feed("AB", state), "");  // still the junk line
    EXPECT_EQ(parser.Feed("\rAB", state), "[ab]");
}

}  // namespace

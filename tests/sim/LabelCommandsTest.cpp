// The simulated printer's label commands: lines kept, labels printed, other families untouched.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "sim/CommandFamilies.h"
#include "sim/Printer.h"

namespace {

using Lines = std::vector<std::string>;

TEST(SimLabelCommands, KeepsTheLabelAndPrintsItOnP) {
    struct Case {
        const char* what;
        std::string bytes;
        Lines current{};
        std::vector<Lines> printed{};
        long printedCount = 0;
    };
    const Case cases[] = {
        {.what = "CR",
         .bytes = "SOT\rT20,20,3,1,1,0,0,N,N,'x'\rP1\r",
         .printed = {{"SOT", "T20,20,3,1,1,0,0,N,N,'x'"}},
         .printedCount = 1},
        {.what = "CR LF",
         .bytes = "SOT\r\nSD20\r\nP1\r\n",
         .printed = {{"SOT", "SD20"}},
         .printedCount = 1},
        {.what = "LF", .bytes = "SOT\nP2\n", .printed = {{"SOT"}}, .printedCount = 2},
        {.what = "copies", .bytes = "SW812\rP3,2\r", .printed = {{"SW812"}}, .printedCount = 6},
        {.what = "two labels",
         .bytes = "T1\rP1\rT2\rP1\rT3\r",
         .current = {"T3"},
         .printed = {{"T1"}, {"T2"}},
         .printedCount = 2},
        {.what = "no line end yet", .bytes = "SOT\rP1", .current = {"SOT"}},
        // Any client may send these: a billion at most for one command, without overflow.
        {.what = "counts beyond what a printer prints",
         .bytes = "P9223372036854775807\rP9223372036854775807\rP9223372036854775807,9\r",
         .printed = {{}, {}, {}},
         .printedCount = 3'000'000'000L},
        {.what = "no print command",
         .bytes = "PX\rP\rP-1\rP1,\rP1,2,3\rP 1\r",
         .current = {"PX", "P", "P-1", "P1,", "P1,2,3", "P 1"}},
        {.what = "caret, apostrophe and high bytes in the data",
         .bytes = "T1,1,3,1,1,0,0,N,N,'a^b \\' \xE9\xFF'\r",
         .current = {"T1,1,3,1,1,0,0,N,N,'a^b \\' \xE9\xFF'"}},
        {.what = "a backslash does not hide the line end",
         .bytes = "T1,'C:\\\rP1\r",
         .printed = {{"T1,'C:\\"}},
         .printedCount = 1},
        {.what = "CS and barcodes",
         .bytes = "CS0,22\rB1100,100,0,2,7,100,0,1,'1'\rBD1,2,3,4,O\r",
         .current = {"CS0,22", "B1100,100,0,2,7,100,0,1,'1'", "BD1,2,3,4,O"}},
    };
    for (const Case& c : cases) {
        // Whole, and byte by byte: a line may arrive in pieces.
        for (const bool pieces : {false, true}) {
            sim::Printer printer;
            std::string replies;
            if (pieces) {
                for (const char byte : c.bytes) {
                    replies += printer.Receive(std::string(1, byte));
                }
            } else {
                replies = printer.Receive(c.bytes);
            }
            const sim::LabelState labels = printer.Snapshot().labels;
            EXPECT_EQ(replies, "") << c.what;
            EXPECT_EQ(labels.current.lines, c.current) << c.what << (pieces ? " in pieces" : "");
            ASSERT_EQ(labels.printed.size(), c.printed.size()) << c.what;
            for (std::size_t i = 0; i < c.printed.size(); ++i) {
                EXPECT_EQ(labels.printed[i].lines, c.printed[i]) << c.what;
            }
            EXPECT_EQ(labels.printedCount, c.printedCount) << c.what;
        }
    }
}

TEST(SimLabelCommands, TheCountOfPrintedLabelsStopsAtItsLargest) {
    sim::Printer printer;
    printer.Edit([](sim::PrinterState& state) {
        state.labels.printedCount = std::numeric_limits<long>::max() - 1;
    });
    printer.Receive("P5\rII");  // a printed picture list counts as a label too
    EXPECT_EQ(printer.Snapshot().labels.printedCount, std::numeric_limits<long>::max());
    EXPECT_EQ(printer.Snapshot().labels.printed.size(), 2u);
}

TEST(SimLabelCommands, LeavesTheBytesOfOtherFamiliesToThem) {
    sim::CommandTable table;
    sim::AddLabelCommands(table);
    ASSERT_EQ(table.Entries().size(), 1u);
    const sim::CommandHandler& handler = table.Entries().front().handler;
    using Verdict = sim::HandlerResult::Verdict;
    const std::pair<std::string, Verdict> cases[] = {
        {"IS1234,'logo'\x0A\x0D", Verdict::NotMine},
        {"ID'logo'\r", Verdict::NotMine},
        {"ID*\r", Verdict::NotMine},
        {"II\r", Verdict::NotMine},
        {"IR10,20,'logo'\r", Verdict::NotMine},
        {"^PI0\r\n", Verdict::NotMine},
        {">RFW,H,4,1,'00'\r", Verdict::NotMine},
        {"SA+12\r\n", Verdict::NotMine},
        {"TA-3\r\n", Verdict::NotMine},
        {"CPS\r", Verdict::NotMine},
        {"xx\r", Verdict::NotMine},
        {"T1^PI0", Verdict::NotMine},
        {"I", Verdict::NeedMore},
        {"C", Verdict::NeedMore},
        {"T20,20", Verdict::NeedMore},
        {"IX\r", Verdict::Done},
        {"SOT\r", Verdict::Done},
    };
    for (const auto& [bytes, verdict] : cases) {
        sim::PrinterState state;
        EXPECT_EQ(handler(bytes, state).verdict, verdict) << bytes;
    }
}

TEST(SimLabelCommands, AQueryAfterLabelLinesOrJunkIsStillAnswered) {
    sim::Printer printer("QX-R45");
    EXPECT_EQ(printer.Receive("SOT\r\n^PI0\r\nT1^PI0\r\nP1\r\n"), "QX-R45\r\nQX-R45\r\n");
    const sim::LabelState labels = printer.Snapshot().labels;
    EXPECT_EQ(labels.printedCount, 1);
    ASSERT_EQ(labels.printed.size(), 1u);
    EXPECT_EQ(labels.printed[0].lines, Lines{"SOT"});
}

}  // namespace

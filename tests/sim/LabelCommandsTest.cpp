// The simulated printer's label commands: lines read and kept, malformed ones refused, settings
// kept in force, labels printed, other families untouched.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "WholeAndPieces.h"
#include "sim/CommandFamilies.h"
#include "sim/Printer.h"

namespace {

using Lines = std::vector<std::string>;
using Kind = sim::LabelElement::Kind;
using Media = sim::LabelFormat::Media;

// The state after `bytes`, sent whole and in pieces alike; the "^ee" answer after them.
struct Outcome {
    sim::PrinterState state;
    std::string errorCode;
};

Outcome After(const std::string& bytes) {
    Outcome outcome;
    outcome.errorCode = WholeAndPieces(bytes + "\r\n^ee\r\n", {}, &outcome.state);
    return outcome;
}

TEST(SimLabelCommands, KeepsTheLabelAndPrintsItOnP) {
    struct Case {
        const char* what;
        std::string bytes;
        Lines current{};
        std::vector<Lines> printed{};
        long printedCount = 0;
        Lines rejected{};
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
         .bytes = "SOT\rP1\rSOB\rP1\rSD3\r",
         .current = {"SD3"},
         .printed = {{"SOT"}, {"SOB"}},
         .printedCount = 2},
        {.what = "no line end yet", .bytes = "SOT\rP1", .current = {"SOT"}},
        // Any client may send these: a billion at most for one command, without overflow.
        {.what = "counts beyond what a printer prints",
         .bytes = "P9223372036854775807\rP9223372036854775807\rP9223372036854775807,9\r",
         .printed = {{}, {}, {}},
         .printedCount = 3'000'000'000L},
        {.what = "a count of any length",
         .bytes = "P99999999999999999999999999,3\r",
         .printed = {{}},
         .printedCount = 1'000'000'000L},
        {.what = "malformed print commands, and one of another name",
         .bytes = "PX\rP\rP-1\rP+1\rP1,\rP1,2,3\rP 1\rP1,-1\r",
         .current = {"PX"},
         .rejected = {"P", "P-1", "P+1", "P1,", "P1,2,3", "P 1", "P1,-1"}},
        {.what = "nothing to print leaves the label in hand",
         .bytes = "SOT\rP0\rP1,0\rP0,3\r",
         .current = {"SOT"}},
        {.what = "caret, apostrophe and high bytes in the data",
         .bytes = "T1,1,3,1,1,0,0,N,N,'a^b \\' \xE9\xFF'\r",
         .current = {"T1,1,3,1,1,0,0,N,N,'a^b \\' \xE9\xFF'"}},
        {.what = "a backslash does not hide the line end",
         .bytes = "T1,1,3,1,1,0,0,N,N,'C:\\\rP1\r",
         .printed = {{}},
         .printedCount = 1,
         .rejected = {"T1,1,3,1,1,0,0,N,N,'C:\\"}},
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
            EXPECT_EQ(labels.rejected, c.rejected) << c.what;
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

TEST(SimLabelCommands, PutsEachDrawingCommandOnTheLabel) {
    // Every character from blank to 0x7F, the apostrophe and the backslash escaped, as a sample
    // of the character set prints them.
    std::string run, escaped;
    for (int code = 0x20; code < 0x80; ++code) {
        const char byte = static_cast<char>(code);
        run += byte;
        escaped += byte == '\'' || byte == '\\' ? std::string{'\\', byte} : std::string{byte};
    }
    struct Case {
        std::string line;
        Kind kind;
        Lines fields;
        std::string data{};
    };
    const Case cases[] = {
        {"T20,20,3,1,1,0,0,N,N,'KORVALE Label Printer'",
         Kind::BitmapText,
         {"20", "20", "3", "1", "1", "0", "0", "N", "N"},
         "KORVALE Label Printer"},
        // A printer clips: positions may lie anywhere. Every end of every range.
        {"T-5,99999,f,4,4,100,3,R,B,''",
         Kind::BitmapText,
         {"-5", "99999", "f", "4", "4", "100", "3", "R", "B"}},
        {"T30,50,0,1,1,10,0,N,N,'a\\'b\\\\c,d'",
         Kind::BitmapText,
         {"30", "50", "0", "1", "1", "10", "0", "N", "N"},
         "a'b\\c,d"},
        {"T20,20,3,1,1,10,0,N,N,'" + escaped + "'",
         Kind::BitmapText,
         {"20", "20", "3", "1", "1", "10", "0", "N", "N"},
         run},
        // The forms copy the user's data unescaped: only the last apostrophe ends it.
        {"T20,20,3,1,1,0,0,N,N,'Bob's'",
         Kind::BitmapText,
         {"20", "20", "3", "1", "1", "0", "0", "N", "N"},
         "Bob's"},
        // A two-byte font: 0x5C as the second byte of a character is no escape.
        {"T20,20,j,1,1,0,0,N,N,'\x81\x5C\x81\xFE'",
         Kind::BitmapText,
         {"20", "20", "j", "1", "1", "0", "0", "N", "N"},
         "\x81\x5C\x81\xFE"},
        {"V20,20,U,35,35,1,N,N,N,0,L,0,'KORVALE Label Printer'",
         Kind::VectorText,
         {"20", "20", "U", "35", "35", "1", "N", "N", "N", "0", "L", "0"},
         "KORVALE Label Printer"},
        {"V20,20,U,50,20,+1,B,R,I,3,R,1,'x'",
         Kind::VectorText,
         {"20", "20", "U", "50", "20", "+1", "B", "R", "I", "3", "R", "1"},
         "x"},
        {"V20,20,B,30,100,-100,N,N,N,0,C,0,'\xA4\x5C\xA4\x40'",
         Kind::VectorText,
         {"20", "20", "B", "30", "100", "-100", "N", "N", "N", "0", "C", "0"},
         "\xA4\x5C\xA4\x40"},
        {"B1100,100,0,2,7,100,0,1,'123456789'",
         Kind::Barcode1D,
         {"100", "100", "0", "2", "7", "100", "0", "1"},
         "123456789"},
        {"B1100,100,9,100,1,0,1,0,12,'123456789'",
         Kind::Barcode1D,
         {"100", "100", "9", "100", "1", "0", "1", "0", "12"},
         "123456789"},
        {"B2100,100,M,0,'999,840,06810,7317,THIS IS A TEST'",
         Kind::Barcode2D,
         {"100", "100", "M", "0"},
         "999,840,06810,7317,THIS IS A TEST"},
        {"B2100,100,P,30,5,0,0,1,1,3,10,0,'KORVALE Label Printer, This is Test Printing.'",
         Kind::Barcode2D,
         {"100", "100", "P", "30", "5", "0", "0", "1", "1", "3", "10", "0"},
         "KORVALE Label Printer, This is Test Printing."},
        {"B2100,100,Q,2,H,4,3,'ABCDEFGHIJKLMN1234567890'",
         Kind::Barcode2D,
         {"100", "100", "Q", "2", "H", "4", "3"},
         "ABCDEFGHIJKLMN1234567890"},
        // The data of a 2D barcode keeps its line breaks.
        {"B2100,100,Q,1,L,4,0,'first\r\nsecond\rthird'",
         Kind::Barcode2D,
         {"100", "100", "Q", "1", "L", "4", "0"},
         "first\r\nsecond\rthird"},
        {"BD100,100,800,120,O", Kind::Block, {"100", "100", "800", "120", "O"}},
        {"BD100,100,800,300,S,10", Kind::Block, {"100", "100", "800", "300", "S", "10"}},
        {"BD-150,500,1495,750,B,1000", Kind::Block, {"-150", "500", "1495", "750", "B", "1000"}},
    };
    for (const Case& c : cases) {
        const Outcome outcome = After(c.line);
        const sim::Label& label = outcome.state.labels.current;
        EXPECT_EQ(label.lines, Lines{c.line}) << c.line;
        const sim::LabelElement element{.kind = c.kind, .fields = c.fields, .data = c.data};
        EXPECT_EQ(label.elements, std::vector<sim::LabelElement>{element}) << c.line;
        EXPECT_EQ(outcome.errorCode, "00\r\n") << c.line;
        EXPECT_TRUE(outcome.state.labels.rejected.empty()) << c.line;
    }
}

TEST(SimLabelCommands, RefusesWhatItCannotRead) {
    const std::string lines[] = {
        // Fields missing or too many, or no number where one goes.
        "T20,20,3,1,1,0,0,N,'x'", "T20,20,3,1,1,0,0,N,N,N,'x'", "T,20,3,1,1,0,0,N,N,'x'",
        "T2O,20,3,1,1,0,0,N,N,'x'", "T1.5,20,3,1,1,0,0,N,N,'x'", "T+-1,20,3,1,1,0,0,N,N,'x'",
        "T99999999999,20,3,1,1,0,0,N,N,'x'",
        // Values outside their sets.
        "T20,20,g,1,1,0,0,N,N,'x'", "T20,20,10,1,1,0,0,N,N,'x'", "T20,20,3,0,1,0,0,N,N,'x'",
        "T20,20,3,1,5,0,0,N,N,'x'", "T20,20,3,1,1,101,0,N,N,'x'", "T20,20,3,1,1,-1,0,N,N,'x'",
        "T20,20,3,1,1,0,4,N,N,'x'", "T20,20,3,1,1,0,0,B,N,'x'", "T20,20,3,1,1,0,0,N,R,'x'",
        // The quoted data.
        "T20,20,3,1,1,0,0,N,N", "T20,20,3,1,1,0,0,N,N,", "T20,20,3,1,1,0,0,N,N'x'",
        "T20,20,3,1,1,0,0,N,N,'x", "T20,20,3,1,1,0,0,N,N,'", "T20,20,3,1,1,0,0,N,N,'x'y",
        "T20,20,3,1,1,0,0,N,N,'x\\'", "T20,20,j,1,1,0,0,N,N,'\x81'", "T", "T20",
        "V20,20,X,35,35,1,N,N,N,0,L,0,'x'", "V20,20,U,0,35,1,N,N,N,0,L,0,'x'",
        "V20,20,U,35,101,1,N,N,N,0,L,0,'x'", "V20,20,U,35,35,-101,N,N,N,0,L,0,'x'",
        "V20,20,U,35,35,1,I,N,N,0,L,0,'x'", "V20,20,U,35,35,1,N,B,N,0,L,0,'x'",
        "V20,20,U,35,35,1,N,N,B,0,L,0,'x'", "V20,20,U,35,35,1,N,N,N,4,L,0,'x'",
        "V20,20,U,35,35,1,N,N,N,0,X,0,'x'", "V20,20,U,35,35,1,N,N,N,0,L,2,'x'",
        "V20,20,U,35,35,1,N,N,N,0,L,'x'", "B1100,100,10,2,7,100,0,1,'1'",
        "B1100,100,0,0,7,100,0,1,'1'", "B1100,100,0,2,101,100,0,1,'1'",
        "B1100,100,0,2,7,1001,0,1,'1'", "B1100,100,0,2,7,100,4,1,'1'",
        "B1100,100,0,2,7,100,0,2,'1'", "B1100,100,0,2,7,100,0,1,21,'1'",
        "B1100,100,0,2,7,100,0,1,,'1'", "B1100,100,0,2,7,100,0,1,12,0,'1'",
        "B1100,100,0,2,7,100,0,'1'", "B2100,100,X,0,'x'", "B2100,100,M,1,'x'", "B2100,100,M,+1,'x'",
        "B2100,100,M,5,'x'", "B2100,100,M,'x'", "B2100,100,P,2,5,0,0,1,1,3,10,0,'x'",
        "B2100,100,P,30,31,0,0,1,1,3,10,0,'x'", "B2100,100,P,30,5,9,0,1,1,3,10,0,'x'",
        "B2100,100,P,30,5,0,3,1,1,3,10,0,'x'", "B2100,100,P,30,5,0,0,2,1,3,10,0,'x'",
        "B2100,100,P,30,5,0,0,1,2,3,10,0,'x'", "B2100,100,P,30,5,0,0,1,1,1,10,0,'x'",
        "B2100,100,P,30,5,0,0,1,1,3,100,0,'x'", "B2100,100,P,30,5,0,0,1,1,3,10,'x'",
        "B2100,100,Q,3,L,4,0,'x'", "B2100,100,Q,1,X,4,0,'x'", "B2100,100,Q,1,L,5,0,'x'",
        "B2100,100,Q,1,L,4,0,0,'x'", "B2100,100,M,0,'x'y", "BD100,100,800,120,X",
        "BD100,100,800,120,O,20", "BD100,100,800,120,E,20", "BD100,100,800,120,D,20",
        "BD100,100,800,300,S", "BD100,100,800,120,B", "BD100,100,800,120,B,1001", "BD100,100,800,O",
        "BDa,100,800,120,O", "BD100,100,800,120,S,-1",
        // Settings.
        "SW", "SW-1", "SWx", "SW812,0", "SL1219", "SL1219,24", "SL1219,24,X", "SL600,24,C",
        "SL1219,-1,G", "SL-1,24,G", "SL1219,24,G,0", "SM40", "SM40,40,40", "SMx,40", "SS", "SS5",
        "SS-1", "SD", "SD21", "SD-1", "SOT1", "SOB,", "CS0", "CS16,0", "CS0,23", "CS-1,0",
        "CS0,0,0"};
    for (const std::string& line : lines) {
        const Outcome outcome = After(line + "\r\nP1");
        const sim::LabelState& labels = outcome.state.labels;
        ASSERT_EQ(labels.printed.size(), 1u) << line;  // the line does not keep P1 from printing
        EXPECT_TRUE(labels.printed[0].lines.empty()) << line;
        EXPECT_TRUE(labels.printed[0].elements.empty()) << line;
        EXPECT_EQ(labels.format, sim::LabelFormat{}) << line;
        EXPECT_EQ(labels.rejected, Lines{line});
        EXPECT_EQ(outcome.errorCode, "01\r\n") << line;
    }
}

TEST(SimLabelCommands, KeepsTheSettingsInForce) {
    struct Case {
        std::string line;
        sim::LabelFormat format;
    };
    const Case cases[] = {
        {"SW812", {.width = 812}},
        {"SW0", {.width = 0}},
        {"SL1219,24,G", {.length = 1219, .media = Media::Gap, .gapLength = 24}},
        {"SL600,0,C", {.length = 600, .media = Media::Continuous, .gapLength = 0}},
        {"SL1219,24,B", {.length = 1219, .media = Media::BlackMark, .gapLength = 24}},
        {"SM40,40", {.marginX = 40, .marginY = 40}},
        {"SM-8,16", {.marginX = -8, .marginY = 16}},
        {"SS0", {.speed = 0}},
        {"SS4", {.speed = 4}},
        {"SD0", {.density = 0}},
        {"SD20", {.density = 20}},
        {"SOT", {.topFirst = true}},
        {"SOB", {.topFirst = false}},
        {"CS0,0", {.international = 0, .codeTable = 0}},
        {"CS15,22", {.international = 15, .codeTable = 22}},
    };
    for (const Case& c : cases) {
        const Outcome outcome = After(c.line);
        EXPECT_EQ(outcome.state.labels.format, c.format) << c.line;
        EXPECT_EQ(outcome.state.labels.current.lines, Lines{c.line}) << c.line;
        EXPECT_TRUE(outcome.state.labels.current.elements.empty()) << c.line;
        EXPECT_EQ(outcome.errorCode, "00\r\n") << c.line;
    }

    // Across labels each setting stays as the last command set it; a refused one changes nothing.
    const Outcome outcome = After(
        "SW812\r\nSL1219,24,G\r\nSM40,40\r\nSS3\r\nP1\r\n"
        "SD20\r\nSOB\r\nCS2,22\r\nP1\r\n"
        "SOT\r\nSL600,0,C\r\nSS9\r\nSW830\r\n");
    EXPECT_EQ(outcome.state.labels.format, (sim::LabelFormat{.width = 830,
                                                             .length = 600,
                                                             .media = Media::Continuous,
                                                             .gapLength = 0,
                                                             .marginX = 40,
                                                             .marginY = 40,
                                                             .speed = 3,
                                                             .density = 20,
                                                             .topFirst = true,
                                                             .international = 2,
                                                             .codeTable = 22}));
    EXPECT_EQ(outcome.state.labels.printedCount, 2);
}

TEST(SimLabelCommands, ElementsGoWithTheirLabel) {
    const Outcome outcome = After(
        "SOT\rT20,20,3,1,1,0,0,N,N,'one'\rBD1,2,3,4,O\rP3,2\r"
        "T20,20,3,1,1,0,0,N,N,'two'\rP0\rV20,20,U,35,35,1,N,N,N,0,L,0,'three'\r");
    const sim::LabelState& labels = outcome.state.labels;
    EXPECT_EQ(labels.printedCount, 6);
    ASSERT_EQ(labels.printed.size(), 1u);
    ASSERT_EQ(labels.printed[0].elements.size(), 2u);
    EXPECT_EQ(labels.printed[0].elements[0].data, "one");
    EXPECT_EQ(labels.printed[0].elements[1].kind, Kind::Block);
    // P0 prints nothing: the label in hand keeps growing.
    ASSERT_EQ(labels.current.elements.size(), 2u);
    EXPECT_EQ(labels.current.elements[0].data, "two");
    EXPECT_EQ(labels.current.elements[1].data, "three");
}

TEST(SimLabelCommands, KeepsTheLastHundredRefusedLines) {
    std::string bytes;
    for (int i = 0; i < 105; ++i) {
        bytes += "SD" + std::to_string(21 + i) + "\r";
    }
    const Outcome outcome = After(bytes);
    const Lines& rejected = outcome.state.labels.rejected;
    ASSERT_EQ(rejected.size(), sim::LabelState::kMostRejected);
    EXPECT_EQ(rejected.front(), "SD26");
    EXPECT_EQ(rejected.back(), "SD125");
}

// A 2D barcode whose closing apostrophe never comes swallows no more than a bounded run.
TEST(SimLabelCommands, AnUnclosedTwoDimensionalBarcodeEndsAtItsFirstLineEnd) {
    const std::string open = "B2100,100,Q,1,L,4,0,'no end";
    const Outcome outcome = After(open + "\r\nSOT\r\n" + std::string(9000, 'x') + "\r\nP1\r\n");
    const sim::LabelState& labels = outcome.state.labels;
    EXPECT_EQ(labels.rejected, Lines{open});
    EXPECT_EQ(labels.printedCount, 1);
    ASSERT_EQ(labels.printed.size(), 1u);
    EXPECT_EQ(labels.printed[0].lines, Lines{"SOT"});
}

// A tester script sends its RFID lines among the label lines, each ended by CR LF.
TEST(SimLabelCommands, RfidLinesOfAScriptReachTheEncoder) {
    sim::PrinterState state;
    const std::string replies = WholeAndPieces(
        ">RFS,5,3,1,20\r\nSOT\r\n>RFW,H,4,2,'ABCD'\r\n"
        "T20,20,3,1,1,0,0,N,N,'tag'\r\n>RFR,H,4,2,S\r\nP1\r\n^ee\r\n",
        [](sim::PrinterState& s) {
            s.rfid.tag = sim::RfidState::BlankTag({0x11, 0x22});
        },
        &state);
    EXPECT_EQ(replies, "ABCD00\r\n");
    EXPECT_EQ(state.rfid.power, 20);
    EXPECT_EQ(state.rfid.valid, 2);
    ASSERT_EQ(state.labels.printed.size(), 1u);
    EXPECT_EQ(state.labels.printed[0].lines, (Lines{"SOT", "T20,20,3,1,1,0,0,N,N,'tag'"}));
    EXPECT_TRUE(state.labels.rejected.empty());
}

}  // namespace

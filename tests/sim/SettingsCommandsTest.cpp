// The simulated printer's stored settings: what a host sets is what it reads back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WholeAndPieces.h"
#include "sim/Printer.h"

namespace {

using namespace std::string_literals;

// The bytes a host sends and what the printer answers to all of them together.
struct Exchange {
    const char* what;
    std::string sent;
    std::string replies;
};

std::string Replies(const std::string& bytes, sim::PrinterState* state = nullptr) {
    return WholeAndPieces(bytes, {}, state);
}

TEST(SimSettingsCommands, SetsAndReadsBack) {
    const Exchange exchanges[] = {
        {.what = "switches start at zero", .sent = "^MBR2,1", .replies = "\0"s},
        {.what = "a set switch is kept only once applied",
         .sent = "^MBS2,\x6A^MBR2,1^MBA\x02\r^MBR2,3",
         .replies = "\0\x6A"s},
        {.what = "switch 4 with terminator",
         .sent = "^MBS4,\x40\r^MBA\x04\r^MBR4,2",
         .replies = "\x40"},
        {.what = "a value byte that looks like CR",
         .sent = "^MBS1,\r^MBA\x01\r^MBR1,1",
         .replies = "\r"},
        {.what = "a zero value byte",
         .sent = "^MBS3,\x80\r^MBA\x03\r^MBS3,\0^MBA\x03\r^MBR3,1"s,
         .replies = "\0"s},
        {.what = "applying another switch keeps a set byte waiting",
         .sent = "^MBS3,\x05^MBA\x01\r^MBR3,1^MBA\x03\r^MBR3,1",
         .replies = "\0\x05"s},
        {.what = "user values",
         .sent = "^MBU0,600\r^MBU2,2000\r^PI5,0\r\n^PI5,1\r\n",
         .replies = "600\r\n2000\r\n"},
        {.what = "each user value by its query",
         .sent = "^MBU0,1\r^MBU1,2\r^MBU2,3\r^MBU3,4\r^MBU4,5\r^MBU5,6\r"
                 "^PI5,0\r\n^PI4,1\r\n^PI5,1\r\n^PI5,3\r\n^PI5,4\r\n^PI5,2\r\n",
         .replies = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n"},
        {.what = "a negative user value", .sent = "^MBU5,-3\r^PI5,2\r\n", .replies = "-3\r\n"},
        {.what = "initialise brings the factory values back",
         .sent = "^MBU0,600\rSA+5\r\n^MBU\x0F,99\r^PI5,0^SA",
         .replies = "832\r\n+000\r\n"},
        {.what = "identification texts",
         .sent = "^MBY2,ABC\r\n^MBX2\r^MBY0,2.10\r\n^MBX0\r\n",
         .replies = "ABC\r\n2.10\r\n"},
        {.what = "factory texts",
         .sent = "^MBX0\r\n^MBX1\r^MBX2\r",
         .replies = "1.00\r\nTW0000000001\r\n\r\n"},
        {.what = "initialising one text",
         .sent = "^MBY1,X\r\n^MBY2,Y\r\n^MBY\x0F,1\r\n^MBX1\r^MBX2\r",
         .replies = "TW0000000001\r\nY\r\n"},
        {.what = "offset and tear-off",
         .sent = "SA-15\r\n^SA\r\nTA+7\r\n^PI4,2\r\n",
         .replies = "-015\r\n+007\r\n"},
        {.what = "signed values without sign or beyond three digits",
         .sent = "SA42\r\n^SA\r\nTA-5000\r\n^PI4,2",
         .replies = "+042\r\n-999\r\n"},
        {.what = "information queries",
         .sent = "^PI0^PI1^PI2^PI4,0",
         .replies = "QX-M43\r\nDT/TT\r\nV1.04\r\n25\r\n"},
        // Junk is skipped and the printer finds its way back to the next command.
        {.what = "a malformed user value", .sent = "^MBU0,12x4\r^PI5,0\r\n", .replies = "832\r\n"},
        {.what = "an unknown switch", .sent = "^MBR7,1^MBR1,1", .replies = "\0"s},
        {.what = "a text without end",
         .sent = "^MBY2," + std::string(100, 'x') + "\r^PI4,0",
         .replies = "25\r\n"},
    };
    for (const Exchange& exchange : exchanges) {
        EXPECT_EQ(Replies(exchange.sent), exchange.replies) << exchange.what;
    }
}

TEST(SimSettingsCommands, KeepsTheStateTestsLookAt) {
    sim::PrinterState state;
    Replies("^MBL1^MBS2,\x35^MBA\x02\r^MBU1,15\rTA-20\r\n^MBY1,SN01\r\n", &state);
    EXPECT_TRUE(state.settings.checkLabelLength);
    EXPECT_EQ(state.settings.switches[2], 0x35);
    EXPECT_EQ(state.settings.userValues[1], 15);
    EXPECT_EQ(state.settings.tearOff, -20);
    EXPECT_EQ(state.settings.texts[1], "SN01");
    Replies("^MBL1^MBL0", &state);
    EXPECT_FALSE(state.settings.checkLabelLength);
    // Settings are not mistaken for label lines.
    Replies("SAVE\rSA+1\r\nTA-2\r\n", &state);
    EXPECT_EQ(state.settings.printOffset, 1);
    EXPECT_EQ(state.settings.tearOff, -2);
    EXPECT_TRUE(state.labels.current.lines.empty());
}

TEST(SimSettingsCommands, AnEditedPrinterAnswersWithItsNewFacts) {
    sim::Printer printer;
    printer.Edit([](sim::PrinterState& state) {
        state.settings.headTemperature = -4;
        state.settings.firmwareVersion = "V2.00";
    });
    EXPECT_EQ(printer.Receive("^PI4,0^PI2"), "-4\r\nV2.00\r\n");
}

}  // namespace

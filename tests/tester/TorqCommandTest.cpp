// The text of the label commands, against the lines the printer expects.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "tester/TorqCommand.h"

namespace {

using namespace torq;

struct Case {
    const char* what;
    QByteArray line;
    QByteArray expected;
};

BitmapText Text(double x, double y, int rotation, int spacing, QByteArray data) {
    return {.x = x, .y = y, .spacing = spacing, .rotation = rotation, .data = std::move(data)};
}

VectorText Vector(int spacing, bool plus) {
    return {
        .x = 20, .y = 20, .spacing = spacing, .plusSpacing = plus, .data = "KORVALE Label Printer"};
}

Barcode1D Linear(std::optional<int> quietZone) {
    return {.x = 100, .y = 100, .quietZone = quietZone, .data = "123456789"};
}

BlockDraw Block(char kind, int extra) {
    return {.startX = 100, .startY = 100, .endX = 800, .endY = 120, .kind = kind, .extra = extra};
}

TEST(TorqCommand, EveryLineReadsAsThePrinterExpects) {
    const Case cases[] = {
        Case{"T", BitmapTextLine(Text(100, 100, 0, 0, "Printer Setting Test")),
             "T100,100,3,1,1,0,0,N,N,'Printer Setting Test'"},
        Case{"T rotation 270 as 3, truncated position",
             BitmapTextLine(Text(20.9, 0.99, 3, 100, "x")), "T20,0,3,1,1,100,3,N,N,'x'"},
        Case{"T data copied unchanged", BitmapTextLine(Text(1, 2, 0, 0, "it's a \\ test")),
             "T1,2,3,1,1,0,0,N,N,'it's a \\ test'"},
        Case{"V", VectorTextLine(Vector(1, false)),
             "V20,20,U,35,35,1,N,N,N,0,L,0,'KORVALE Label Printer'"},
        Case{"V negative spacing", VectorTextLine(Vector(-5, false)),
             "V20,20,U,35,35,-5,N,N,N,0,L,0,'KORVALE Label Printer'"},
        Case{"V spacing with its plus sign", VectorTextLine(Vector(1, true)),
             "V20,20,U,35,35,+1,N,N,N,0,L,0,'KORVALE Label Printer'"},
        Case{"V zero spacing has no plus sign", VectorTextLine(Vector(0, true)),
             "V20,20,U,35,35,0,N,N,N,0,L,0,'KORVALE Label Printer'"},
        Case{"B1 without a quiet zone", Barcode1DLine(Linear(std::nullopt)),
             "B1100,100,0,2,7,100,0,1,'123456789'"},
        Case{"B1 with a quiet zone", Barcode1DLine(Linear(12)),
             "B1100,100,0,2,7,100,0,1,12,'123456789'"},
        Case{"B2 Maxicode", MaxicodeLine({.x = 100, .y = 100, .mode = 3, .data = "abc"}),
             "B2100,100,M,3,'abc'"},
        Case{"B2 PDF417",
             Pdf417Line({.x = 100,
                         .y = 100,
                         .maxRow = 30,
                         .maxCol = 5,
                         .ecl = 0,
                         .compression = 0,
                         .hri = 1,
                         .origin = 1,
                         .moduleWidth = 3,
                         .barHeight = 10,
                         .rotation = 0,
                         .data = "x"}),
             "B2100,100,P,30,5,0,0,1,1,3,10,0,'x'"},
        Case{"B2 QR Code",
             QrCodeLine({.x = 100.5,
                         .y = 100,
                         .model = 2,
                         .ecc = 'H',
                         .size = 4,
                         .rotation = 1,
                         .data = "AB\r\nC"}),
             "B2100,100,Q,2,H,4,1,'AB\r\nC'"},
        Case{"BD plain", BlockDrawLine(Block('O', 20)), "BD100,100,800,120,O"},
        Case{"BD box", BlockDrawLine(Block('B', 20)), "BD100,100,800,120,B,20"},
        Case{"BD slant", BlockDrawLine(Block('S', 10)), "BD100,100,800,120,S,10"},
        Case{"SW", LabelWidth(812), "SW812"},
        Case{"SL gap", LabelLength(1219, Media::Gap), "SL1219,24,G"},
        Case{"SL continuous", LabelLength(600, Media::Continuous), "SL600,0,C"},
        Case{"SL black mark", LabelLength(1219, Media::BlackMark), "SL1219,24,B"},
        Case{"SM", Margins(40, 40), "SM40,40"},
        Case{"SS", PrintSpeed(3), "SS3"},
        Case{"SD", PrintDensity(20), "SD20"},
        Case{"SOT", PrintDirection(Direction::Top), "SOT"},
        Case{"SOB", PrintDirection(Direction::Bottom), "SOB"},
        Case{"CS", CharacterSet(15, 22), "CS15,22"},
        Case{"P", Print(1), "P1"},
        Case{"P with copies", Print(3, 2), "P3,2"},
        Case{"test print", TestPrint("SOT"), "SOT\rP1\r"},
        Case{"lines", JoinLines({"SS3", "SD20"}, "\r\n"), "SS3\r\nSD20\r\n"},
        Case{"escaped sample text", Escaped("#$'\\]"), "#$\\'\\\\]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.line, c.expected) << c.what;
    }
}

TEST(TorqDots, TruncatesTowardZeroWithoutExponentOrNegativeZero) {
    const std::pair<double, const char*> cases[] = {
        {20.9, "20"}, {999.99, "999"}, {-0.5, "0"}, {-5.5, "-5"}, {0, "0"}, {1e12, "1000000000000"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(Dots(value), QByteArray(text)) << value;
    }
}

}  // namespace

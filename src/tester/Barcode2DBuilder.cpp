#include "tester/Barcode2DBuilder.h"

#include <algorithm>

#include "tester/TorqCommand.h"

namespace {

constexpr char kEccLetters[] = "LMQH";

}  // namespace

char Barcode2DBuilder::Letter(Kind kind) {
    switch (kind) {
        case Kind::Pdf417:
            return 'P';
        case Kind::QrCode:
            return 'Q';
        case Kind::Maxicode:
            break;
    }
    return 'M';
}

QByteArray Barcode2DBuilder::MaxicodeSample(int modeIndex) {
    switch (modeIndex) {
        case 1:
            return "999,840,06810,7317,THIS IS A TEST OF KORVALE LABEL PRINTER. MODE 2 ENCODING.";
        case 2:
            return "999,840,06810,7317,THIS IS A TEST OF KORVALE LABEL PRINTER. MODE 3 ENCODING.";
        case 3:
            return "THIS IS A 93 CHARACTER CODE SET A MESSAGE THAT FILLS A MODE 4,UNAPPENDED,"
                   "MAXICODE SYMBOL...";
        default:
            break;
    }
    return "999,840,06810,7317,THIS IS A TEST OF MODE 0 STRUCTURED CARRIER MESSAGE ENCODING.";
}

void Barcode2DBuilder::ChooseKind(Kind chosen) {
    if (chosen == kind) {
        return;
    }
    kind = chosen;
    switch (chosen) {
        case Kind::Maxicode:
            modeIndex = 0;
            data = MaxicodeSample(0);
            break;
        case Kind::Pdf417:
            eclIndex = 0;
            rotation = 0;
            barHeight = 10;
            data = "KORVALE Label Printer, This is Test Printing.";
            break;
        case Kind::QrCode:
            eclIndex = 0;
            rotation = 0;
            barHeight = 4;
            modeIndex = 0;
            data = "ABCDEFGHIJKLMN1234567890";
            break;
    }
}

void Barcode2DBuilder::ChooseMode(int index) {
    modeIndex = index;
    if (kind == Kind::Maxicode) {
        data = MaxicodeSample(index);
    }
}

QByteArray Barcode2DBuilder::Line() const {
    switch (kind) {
        case Kind::Pdf417:
            return torq::Pdf417Line({.x = x,
                                     .y = y,
                                     .maxRow = maxRow,
                                     .maxCol = maxCol,
                                     .ecl = eclIndex,
                                     .compression = compress,
                                     .hri = hri,
                                     .origin = origin,
                                     .moduleWidth = moduleWidth,
                                     .barHeight = barHeight,
                                     .rotation = rotation,
                                     .data = data});
        case Kind::QrCode:
            return torq::QrCodeLine(
                {.x = x,
                 .y = y,
                 .model = modeIndex + 1,
                 .ecc = kEccLetters[std::clamp(eclIndex, 0, int(sizeof kEccLetters) - 2)],
                 .size = barHeight,
                 .rotation = rotation,
                 .data = data});
        case Kind::Maxicode:
            break;
    }
    // "Mode 0" writes 0; the modes after it skip 1.
    return torq::MaxicodeLine(
        {.x = x, .y = y, .mode = modeIndex == 0 ? 0 : modeIndex + 1, .data = data});
}

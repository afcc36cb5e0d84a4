#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

// The text of the TORQ label commands. Every builder, sample printer and test print composes its
// lines here, so the syntax lives in one place: a name running straight into its first number,
// single commas, decimal numbers, the rotation written as the index of "0", "90", "180", "270",
// and the data last between apostrophes. Lines come without their line end; the caller adds CR
// LF (the editor) or CR (anything sent straight to the printer).
namespace torq {

// A position or size typed as a decimal number, in whole dots: truncated toward zero. Written
// without an exponent however large, and never as "-0".
QByteArray Dots(double value);

// T: text in a bitmap font.
struct BitmapText {
    double x = 0;
    double y = 0;
    char font = '3';
    int hMulti = 1;
    int vMulti = 1;
    int spacing = 0;
    int rotation = 0;  // index of the rotation list
    char reverse = 'N';
    char bold = 'N';
    QByteArray data;  // copied between the apostrophes as it is
};
QByteArray BitmapTextLine(const BitmapText& text);

// V: text in the scalable vector font.
struct VectorText {
    double x = 0;
    double y = 0;
    char font = 'U';
    int width = 35;
    int height = 35;
    int spacing = 1;
    bool plusSpacing =
        false;  // write a spacing above zero with its sign ("+1"), as one sample does
    char bold = 'N';
    char reverse = 'N';
    char italic = 'N';
    int rotation = 0;
    char justification = 'L';
    int direction = 0;  // 0 left to right, 1 right to left
    QByteArray data;
};
QByteArray VectorTextLine(const VectorText& text);

// B1: a one-dimensional barcode; the quiet zone field is written only when there is one.
struct Barcode1D {
    double x = 0;
    double y = 0;
    int symbology = 0;
    int narrowWidth = 2;
    int wideWidth = 7;
    int height = 100;
    int rotation = 0;
    int hri = 1;
    std::optional<int> quietZone;
    QByteArray data;
};
QByteArray Barcode1DLine(const Barcode1D& code);

// B2: the three kinds of two-dimensional barcode.
struct Maxicode {
    double x = 0;
    double y = 0;
    int mode = 0;  // 0, 2, 3 or 4
    QByteArray data;
};
QByteArray MaxicodeLine(const Maxicode& code);

struct Pdf417 {
    double x = 0;
    double y = 0;
    int maxRow = 30;
    int maxCol = 5;
    int ecl = 0;
    int compression = 0;
    int hri = 1;
    int origin = 1;
    int moduleWidth = 3;
    int barHeight = 10;
    int rotation = 0;
    QByteArray data;
};
QByteArray Pdf417Line(const Pdf417& code);

struct QrCode {
    double x = 0;
    double y = 0;
    int model = 1;  // 1 or 2
    char ecc = 'L';
    int size = 4;
    int rotation = 0;
    QByteArray data;
};
QByteArray QrCodeLine(const QrCode& code);

// BD: lines and boxes; the extra number is written only for the kinds S and B.
struct BlockDraw {
    double startX = 0;
    double startY = 0;
    double endX = 0;
    double endY = 0;
    char kind = 'O';
    int extra = 0;
};
QByteArray BlockDrawLine(const BlockDraw& block);

enum class Media { Gap, Continuous, BlackMark };
enum class Direction { Top, Bottom };

QByteArray LabelWidth(qint64 dots);                     // SW
QByteArray LabelLength(qint64 dots, Media media);       // SL with the media tail
QByteArray Margins(qint64 x, qint64 y);                 // SM
QByteArray PrintSpeed(int index);                       // SS, 0 "2.5 ips" .. 4 "6.0 ips"
QByteArray PrintDensity(int density);                   // SD
QByteArray PrintDirection(Direction direction);         // SOT, SOB
QByteArray CharacterSet(int international, int table);  // CS
QByteArray Print(int count);                            // P
QByteArray Print(int count, int copies);                // P with two numbers

// What a builder's "Test Print" sends in one write: the line, CR, "P1", CR.
QByteArray TestPrint(QByteArrayView line);
// Lines joined, each followed by `lineEnd`.
QByteArray JoinLines(const QList<QByteArray>& lines, QByteArrayView lineEnd);
// Fixed sample texts inside apostrophes: a backslash before every apostrophe and backslash.
// (Data the user types is never escaped.)
QByteArray Escaped(QByteArrayView text);

}  // namespace torq

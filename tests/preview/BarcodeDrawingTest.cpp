// Barcodes drawn from their data and read back by a real decoder (zbarimg), their geometry, and
// the data the barcode library refuses.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "preview/BarcodeDrawing.h"
#include "preview/LabelRendering.h"

namespace {

using preview::Barcode1D;
using preview::BarcodePiece;
using preview::DrawBarcode1D;
using preview::DrawBarcode2D;
using preview::LabelBitmap;

enum Symbology { Code39, Code128, I2of5, Codabar, Code93, UpcA, UpcE, Ean13, Ean8, Ucc128 };

struct Decoding {
    const char* name;
    int code = -1;                         // a 1D symbology, or -1 for `fields` (2D)
    std::vector<std::string> fields = {};  // a 2D barcode's fields; "#" stands for the module size
    std::string data;
    const char* zbar;       // the decoders zbarimg enables, comma-separated
    std::string read = {};  // what it reads, when not the data
};

void PrintTo(const Decoding& decoding, std::ostream* out) {
    *out << decoding.name;
}

// Each case is drawn thin (narrow 2, wide 5; QR size 1; PDF417 module 2) and typical (narrow 3,
// wide 7; QR size 4; PDF417 module 3).
const Decoding kDecodings[] = {
    {.name = "Code39", .code = Code39, .data = "TAGWELL-39", .zbar = "code39"},
    {.name = "Code128", .code = Code128, .data = "Tagwell 128/x", .zbar = "code128"},
    // The three ways of writing UCC/EAN128 data; zbar drops the identifiers' brackets.
    {.name = "Ucc128Parentheses",
     .code = Ucc128,
     .data = "(01)12345678901231(10)AB1",
     .zbar = "code128",
     .read = "011234567890123110AB1"},
    {.name = "Ucc128Brackets",
     .code = Ucc128,
     .data = "[01]12345678901231",
     .zbar = "code128",
     .read = "0112345678901231"},
    {.name = "Ucc128Plain", .code = Ucc128, .data = "0112345678901231", .zbar = "code128"},
    {.name = "Ean13",
     .code = Ean13,
     .data = "590123412345",
     .zbar = "ean13",
     .read = "5901234123457"},
    {.name = "Ean13CheckDigit", .code = Ean13, .data = "4006381333931", .zbar = "ean13"},
    {.name = "Ean8", .code = Ean8, .data = "9638507", .zbar = "ean8", .read = "96385074"},
    {.name = "Ean8CheckDigit", .code = Ean8, .data = "96385074", .zbar = "ean8"},
    {.name = "UpcA",
     .code = UpcA,
     .data = "03600029145",
     .zbar = "ean13,upca",
     .read = "036000291452"},
    {.name = "UpcE", .code = UpcE, .data = "123456", .zbar = "upce", .read = "01234565"},
    {.name = "I2of5", .code = I2of5, .data = "12345678", .zbar = "i25"},
    // An odd length gains a leading zero, as the pairs of digits need.
    {.name = "I2of5OddLength", .code = I2of5, .data = "1234567", .zbar = "i25", .read = "01234567"},
    {.name = "Codabar", .code = Codabar, .data = "A40156B", .zbar = "codabar"},
    {.name = "Code93", .code = Code93, .data = "TAGWELL 93", .zbar = "code93"},
    {.name = "QrModel1",
     .fields = {"Q", "1", "L", "#", "0"},
     .data = "ABCDEFGHIJKLMN1234567890",
     .zbar = "qrcode"},
    {.name = "QrModel2High",
     .fields = {"Q", "2", "H", "#", "0"},
     .data = "Line 1\r\nLine 2",
     .zbar = "qrcode"},
    {.name = "Pdf417",
     .fields = {"P", "30", "5", "2", "0", "1", "1", "#", "10", "0"},
     .data = "KORVALE Label Printer, This is Test Printing.",
     .zbar = "pdf417"},
};

struct ZbarRun {
    bool unsupported = false;  // zbarimg knows no such decoder
    std::string read;
};

ZbarRun Decode(const LabelBitmap& piece, const char* decoders) {
    // A reader needs white around the symbol; the printer draws none.
    LabelBitmap framed(piece.Width() + 80, piece.Height() + 80);
    framed.Stamp(piece, 40, 40, 0, LabelBitmap::Ink::Black);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("piece.png"));
    EXPECT_TRUE(framed.ToImage().save(file));
    QStringList arguments = {QStringLiteral("--nodbus"), QStringLiteral("--quiet"),
                             QStringLiteral("--raw"), QStringLiteral("-Sdisable")};
    for (const QString& decoder : QString::fromLatin1(decoders).split(u',')) {
        arguments << QStringLiteral("-S%1.enable").arg(decoder);
    }
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), arguments << file);
    EXPECT_TRUE(zbar.waitForFinished(30000));
    QByteArray read = zbar.readAllStandardOutput();
    if (read.endsWith('\n')) {
        read.chop(1);
    }
    return {zbar.readAllStandardError().contains("invalid configuration setting"),
            read.toStdString()};
}

class BarcodeDecoding : public testing::TestWithParam<std::tuple<Decoding, bool>> {};

TEST_P(BarcodeDecoding, ReadsBackTheData) {
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()) {
        GTEST_SKIP() << "\n!!!!! zbarimg not found: install zbar-tools. Barcodes NOT checked !!!!!";
    }
    const auto& [decoding, thin] = GetParam();
    BarcodePiece piece;
    if (decoding.code >= 0) {
        piece = DrawBarcode1D(
            {.symbology = decoding.code, .narrow = thin ? 2 : 3, .wide = thin ? 5 : 7},
            decoding.data);
    } else {
        std::vector<std::string> fields = decoding.fields;
        const bool qr = fields[0] == "Q";
        std::replace(fields.begin(), fields.end(), std::string("#"),
                     std::string(thin ? (qr ? "1" : "2") : (qr ? "4" : "3")));
        piece = DrawBarcode2D(fields, decoding.data);
    }
    ASSERT_FALSE(piece.bitmap.Empty()) << piece.why.toStdString();
    const ZbarRun run = Decode(piece.bitmap, decoding.zbar);
    if (run.unsupported) {
        GTEST_SKIP() << "\n!!!!! this zbarimg has no " << decoding.zbar
                     << " decoder: " << decoding.name << " NOT checked !!!!!";
    }
    EXPECT_EQ(run.read, decoding.read.empty() ? decoding.data : decoding.read);
}

std::string CaseName(const testing::TestParamInfo<std::tuple<Decoding, bool>>& row) {
    return std::string(std::get<0>(row.param).name) + (std::get<1>(row.param) ? "Thin" : "Typical");
}

INSTANTIATE_TEST_SUITE_P(Symbologies, BarcodeDecoding,
                         testing::Combine(testing::ValuesIn(kDecodings), testing::Bool()),
                         CaseName);

// Barcodes on a label as the preview draws it, turned every way, still read back.
TEST(BarcodeDrawing, TurnedOnALabelTheyReadBack) {
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()) {
        GTEST_SKIP() << "\n!!!!! zbarimg not found: install zbar-tools. Barcodes NOT checked !!!!!";
    }
    struct Case {
        const char* script;
        const char* zbar;
        const char* read;
    } const cases[] = {
        {"B1300,40,1,3,7,120,1,1,'TURNED-90'\r", "code128", "TURNED-90"},
        {"B1500,300,1,3,7,120,2,1,'TURNED-180'\r", "code128", "TURNED-180"},
        {"B140,500,0,3,7,120,3,0,'TURNED-270'\r", "code39", "TURNED-270"},
        {"B2500,500,Q,2,M,3,2,'QR turned half'\r", "qrcode", "QR turned half"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const preview::Rendering rendering =
            preview::RenderLabels(QByteArray("SW600\rSL600,24,G\r") + c.script + "P1\r", {});
        ASSERT_EQ(rendering.labels.size(), 1u);
        EXPECT_TRUE(rendering.undrawn.empty());
        EXPECT_EQ(Decode(rendering.labels[0].bitmap, c.zbar).read, c.read);
    }
}

// The module counts of each symbology times the widths asked for, after the quiet zone.
TEST(BarcodeDrawing, DrawsTheWidthsAskedFor) {
    struct Case {
        const char* name;
        Barcode1D barcode;
        std::string data;
        int width;
        std::string readable;
    };
    const Case cases[] = {
        // "*1*": three characters of three wide and six narrow elements, two narrow gaps.
        {.name = "Code39 two widths",
         .barcode = {.symbology = Code39, .narrow = 2, .wide = 5},
         .data = "1",
         .width = 9 * 5 + 20 * 2,
         .readable = "*1*"},
        {.name = "Quiet zone in narrow bars",
         .barcode = {.symbology = Code39, .narrow = 2, .wide = 5, .quietZone = 10},
         .data = "1",
         .width = 9 * 5 + 20 * 2 + 2 * 10 * 2,
         .readable = "*1*"},
        // Start, one character, check, stop: 11 + 11 + 11 + 13 modules.
        {.name = "Code128 modules",
         .barcode = {.symbology = Code128, .narrow = 3},
         .data = "1",
         .width = 46 * 3,
         .readable = "1"},
        {.name = "Plain UCC/EAN128 reads as written",
         .barcode = {.symbology = Ucc128},
         .data = "0112345678901231",
         .width = 0,
         .readable = "0112345678901231"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BarcodePiece piece = DrawBarcode1D(c.barcode, c.data);
        ASSERT_FALSE(piece.bitmap.Empty()) << piece.why.toStdString();
        if (c.width > 0) {
            EXPECT_EQ(piece.bitmap.Width(), c.width);
        }
        EXPECT_EQ(piece.bitmap.Height(), c.barcode.height);
        const int quiet = c.barcode.quietZone * c.barcode.narrow;
        EXPECT_EQ(piece.bitmap.InkIn(0, 0, quiet, c.barcode.height), 0);
        EXPECT_TRUE(piece.bitmap.Black(quiet, 0)) << "the first bar begins after the quiet zone";
        EXPECT_EQ(piece.readable, c.readable);
    }
}

// Symbols zbar cannot read: a symbol of the right size, and Maxicode's bullseye in the middle.
TEST(BarcodeDrawing, DrawsTwoDimensionalSymbolsToSize) {
    const BarcodePiece qr = DrawBarcode2D({"Q", "1", "L", "4", "0"}, "ABCDEFGHIJKLMN1234567890");
    EXPECT_EQ(qr.bitmap.Width(), 21 * 10) << "size 4 of a short message is about an inch";
    EXPECT_EQ(qr.bitmap.Height(), 21 * 10);
    // Start, left indicator, 5 data columns, right indicator (17 modules each), stop (18); rows of
    // the bar height.
    const BarcodePiece pdf417 = DrawBarcode2D({"P", "30", "5", "0", "0", "1", "1", "3", "10", "0"},
                                              "KORVALE Label Printer, This is Test Printing.");
    EXPECT_EQ(pdf417.bitmap.Width(), (17 * 8 + 18) * 3);
    EXPECT_EQ(pdf417.bitmap.Height() % 10, 0);
    EXPECT_LE(pdf417.bitmap.Height(), 30 * 10);

    const std::string carrier =
        "999,840,06810,7317,THIS IS A TEST OF MODE 0 STRUCTURED CARRIER "
        "MESSAGE ENCODING. THIS IS AN 84 CHAR MSG";
    const std::pair<const char*, std::string> maxicodes[] = {
        {"0", carrier},
        {"2", carrier},
        {"3", "999,124,V6B3K9,THIS IS A TEST OF MODE 3 ENCODING."},
        {"4",
         "THIS IS A 93 CHARACTER CODE SET A MESSAGE THAT FILLS A MODE 4,UNAPPENDED,MAXICODE "
         "SYMBOL..."}};
    for (const auto& [mode, data] : maxicodes) {
        SCOPED_TRACE(mode);
        const BarcodePiece maxicode = DrawBarcode2D({"M", mode}, data);
        ASSERT_FALSE(maxicode.bitmap.Empty()) << maxicode.why.toStdString();
        const LabelBitmap& m = maxicode.bitmap;
        EXPECT_NEAR(m.Width(), 225, 2) << "28 mm at 203 dpi";
        EXPECT_NEAR(m.Height(), 217, 3);
        // From the middle outwards to the innermost ring, whose centre is the bullseye's.
        const auto reach = [&m](int dx, int dy) {
            int x = m.Width() / 2, y = m.Height() / 2;
            while (!m.Black(x, y) && x > 0 && y > 0 && x < m.Width() && y < m.Height()) {
                x += dx;
                y += dy;
            }
            return dx != 0 ? x : y;
        };
        const int cx = (reach(-1, 0) + reach(1, 0)) / 2, cy = (reach(0, -1) + reach(0, 1)) / 2;
        EXPECT_NEAR(cx, m.Width() / 2, 5);
        EXPECT_NEAR(cy, m.Height() / 2, 5);
        EXPECT_NEAR(reach(1, 0) - reach(-1, 0), 9, 2) << "the white middle";
        for (const int r : {7, 19, 31}) {
            EXPECT_TRUE(m.Black(cx + r, cy) && m.Black(cx - r, cy) && m.Black(cx, cy + r) &&
                        m.Black(cx, cy - r))
                << "black ring at " << r;
            EXPECT_FALSE(m.Black(cx + r + 6, cy) || m.Black(cx - r - 6, cy))
                << "white ring at " << r + 6;
        }
    }
}

TEST(BarcodeDrawing, RefusesWhatCannotBeEncoded) {
    struct Case {
        const char* name;
        Barcode1D barcode = {.symbology = -1};  // symbology -1: a 2D barcode of `fields`
        std::vector<std::string> fields = {};
        std::string data;
    };
    const std::vector<std::string> pdf417 = {"P", "3", "1", "0", "0", "0", "0", "3", "10", "0"};
    const Case cases[] = {
        {.name = "EAN13 letters", .barcode = {.symbology = Ean13}, .data = "ABCDEFGHIJKL"},
        {.name = "EAN13 too short", .barcode = {.symbology = Ean13}, .data = "12345"},
        {.name = "EAN8 too long", .barcode = {.symbology = Ean8}, .data = "123456789"},
        {.name = "EAN8 wrong check digit", .barcode = {.symbology = Ean8}, .data = "96385075"},
        {.name = "empty data", .barcode = {.symbology = Code128}, .data = ""},
        {.name = "5000 characters",
         .barcode = {.symbology = Code128},
         .data = std::string(5000, 'A')},
        {.name = "wider than 20000 dots",
         .barcode = {.symbology = Code128, .narrow = 100},
         .data = "1234567890ABCDEFGHIJ"},
        {.name = "no such symbology", .barcode = {.symbology = 10}, .data = "1"},
        {.name = "no bars", .barcode = {.symbology = Code39, .height = 0}, .data = "1"},
        {.name = "Codabar without start and stop",
         .barcode = {.symbology = Codabar},
         .data = "123"},
        {.name = "UCC/EAN128 identifier of letters",
         .barcode = {.symbology = Ucc128},
         .data = "(AB)123"},
        {.name = "QR bad ECC", .fields = {"Q", "2", "X", "4", "0"}, .data = "A"},
        {.name = "QR size 5", .fields = {"Q", "2", "L", "5", "0"}, .data = "A"},
        {.name = "QR missing field", .fields = {"Q", "2", "L", "4"}, .data = "A"},
        {.name = "PDF417 beyond 3 rows of 1 column",
         .fields = pdf417,
         .data = std::string(200, 'x')},
        {.name = "PDF417 not a number",
         .fields = {"P", "30", "5", "0", "0", "0", "0", "3", "ten", "0"},
         .data = "A"},
        {.name = "Maxicode mode 2 without carrier", .fields = {"M", "2"}, .data = "HELLO"},
        {.name = "Maxicode mode 2 lettered postcode",
         .fields = {"M", "2"},
         .data = "999,840,AB1,HELLO"},
        {.name = "Maxicode mode 1", .fields = {"M", "1"}, .data = "HELLO"},
        {.name = "unknown kind", .fields = {"X", "1"}, .data = "A"},
        {.name = "no kind", .data = "A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BarcodePiece piece = c.barcode.symbology == -1 ? DrawBarcode2D(c.fields, c.data)
                                                             : DrawBarcode1D(c.barcode, c.data);
        EXPECT_TRUE(piece.bitmap.Empty());
        EXPECT_FALSE(piece.why.isEmpty());
    }
}

}  // namespace

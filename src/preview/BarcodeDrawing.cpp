#include "preview/BarcodeDrawing.h"

#include <zint.h>

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <span>

namespace preview {
namespace {

// Pieces larger than this are refused rather than allocated (one byte per dot): a stray number in
// a command must not ask for gigabytes. No real label comes near either limit.
constexpr long long kMaxSide = 20000;
constexpr long long kMaxDots = 64'000'000;

// A Maxicode symbol is 28.14 mm wide whatever its data: 225 dots at 203 dpi.
constexpr double kMaxicodeWidth = 225.0;
// Printed hexagons are a little narrower than their pitch, so that neighbours stay apart.
constexpr double kHexagonShare = 0.9;

enum class Symbology1D {
    Code39,
    Code128,
    Interleaved2of5,
    Codabar,
    Code93,
    UpcA,
    UpcE,
    Ean13,
    Ean8,
    Ucc128,
};

struct Encoding1D {
    int zint;
    // Bars and spaces come in two widths (narrow, wide) rather than in multiples of a module.
    bool twoWidths;
};

// By symbology number.
constexpr Encoding1D kEncodings[] = {
    {BARCODE_CODE39, true},   {BARCODE_CODE128, false}, {BARCODE_C25INTER, true},
    {BARCODE_CODABAR, true},  {BARCODE_CODE93, false},  {BARCODE_UPCA, false},
    {BARCODE_UPCE, false},    {BARCODE_EANX, false},    {BARCODE_EANX, false},
    {BARCODE_GS1_128, false},
};

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

BarcodePiece Refused(const QString& why) {
    BarcodePiece piece;
    piece.why = why;
    return piece;
}

// The library's own words (English, as it writes them).
QString LibraryRefusal(const zint_symbol& symbol) {
    return QString::fromLatin1(symbol.errtxt);
}

// Encodes `data` as the symbology asks; on refusal `why` says why and the symbol is null.
Symbol Encode(int symbology, std::string_view data, QString& why, int inputMode = DATA_MODE,
              const std::function<void(zint_symbol&)>& configure = {}) {
    if (data.size() > ZINT_MAX_DATA_LEN) {
        why = QCoreApplication::translate("BarcodeDrawing", "The data is too long for a barcode.");
        return nullptr;
    }
    Symbol symbol(ZBarcode_Create());
    if (!symbol) {
        why = QCoreApplication::translate("BarcodeDrawing",
                                          "There is not enough memory to draw the barcode.");
        return nullptr;
    }
    symbol->symbology = symbology;
    symbol->input_mode = inputMode;
    if (configure) {
        configure(*symbol);
    }
    const int result =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                        static_cast<int>(data.size()));
    if (result >= ZINT_ERROR) {
        why = LibraryRefusal(*symbol);
        return nullptr;
    }
    return symbol;
}

bool Module(const zint_symbol& symbol, int row, int column) {
    return ((symbol.encoded_data[row][column / 8] >> (column % 8)) & 1) != 0;
}

bool TooLarge(long long width, long long height) {
    return width > kMaxSide || height > kMaxSide || width * height > kMaxDots;
}

QString TooLargeWhy(long long width, long long height) {
    return QCoreApplication::translate("BarcodeDrawing",
                                       "The barcode would be %1 by %2 dots, larger than any label.")
        .arg(width)
        .arg(height);
}

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

bool Digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The data as the library takes it, or why the symbology cannot take it.
struct Prepared {
    int zint = 0;  // the library's symbology, when not the usual one
    std::string data;
    int inputMode = DATA_MODE;
    std::optional<std::string> readable;  // when the library's line would not match the data
    QString why;
};

Prepared Prepare(Symbology1D symbology, std::string_view data) {
    Prepared prepared;
    prepared.data = std::string(data);
    // EAN data may carry a "+" add-on; the length rules are about the main number.
    const std::string_view main = data.substr(0, data.find('+'));
    switch (symbology) {
        case Symbology1D::Ean13:
            // The library would quietly take a shorter number as an EAN-8 or an add-on.
            if (main.size() != 12 && main.size() != 13) {
                prepared.why = QCoreApplication::translate(
                    "BarcodeDrawing", "EAN13 takes 12 digits, or 13 with the check digit.");
            }
            break;
        case Symbology1D::Ean8:
            // The library reads eight digits as an EAN-13 without its check digit unless told
            // that the last one is the check digit; seven it takes as an EAN-8.
            if ((main.size() != 7 && main.size() != 8) || !Digits(main)) {
                prepared.why = QCoreApplication::translate(
                    "BarcodeDrawing", "EAN8 takes 7 digits, or 8 with the check digit.");
            } else if (main.size() == 8) {
                prepared.zint = BARCODE_EANX_CHK;
            }
            break;
        case Symbology1D::Ucc128:
            // Application identifiers are written "(01)..." or "[01]...". Data without them is
            // taken as the element string that follows the leading FNC1, as written: it is
            // encoded exactly, and its readable line is the data itself, since where its
            // identifiers end is not known. The identifiers' data is not checked: a preview that
            // refused what a printer may well print would mislead.
            prepared.inputMode = GS1_MODE | GS1NOCHECK_MODE;
            if (data.starts_with('(')) {
                prepared.inputMode |= GS1PARENS_MODE;
            } else if (!data.starts_with('[') && !data.empty()) {
                prepared.data = "[]" + std::string(data);
                prepared.readable = std::string(data);
            }
            break;
        default:
            break;
    }
    return prepared;
}

// A matrix symbol of square-ish modules: `moduleWidth` dots wide, `rowHeight` dots high.
LabelBitmap DrawModules(const zint_symbol& symbol, int moduleWidth, int rowHeight) {
    LabelBitmap bitmap(symbol.width * moduleWidth, symbol.rows * rowHeight);
    for (int row = 0; row < symbol.rows; ++row) {
        for (int column = 0; column < symbol.width; ++column) {
            if (Module(symbol, row, column)) {
                bitmap.Fill(column * moduleWidth, row * rowHeight, moduleWidth, rowHeight,
                            LabelBitmap::Ink::Black);
            }
        }
    }
    return bitmap;
}

// The matrix symbol as a piece, unless it would be larger than any label.
BarcodePiece MatrixPiece(const zint_symbol& symbol, int moduleWidth, int rowHeight) {
    const long long width = 1LL * symbol.width * moduleWidth;
    const long long height = 1LL * symbol.rows * rowHeight;
    if (TooLarge(width, height)) {
        return Refused(TooLargeWhy(width, height));
    }
    BarcodePiece piece;
    piece.bitmap = DrawModules(symbol, moduleWidth, rowHeight);
    return piece;
}

// A numeric field of a 2D command and the values it may take.
struct Field {
    const char* name;
    int least;
    int most;
};

// Reads `texts` as numbers within `limits`, one for one; on a bad one `why` names it.
std::optional<std::vector<int>> Numbers(std::span<const std::string> texts,
                                        std::span<const Field> limits, QString& why) {
    std::vector<int> values;
    for (std::size_t i = 0; i < limits.size(); ++i) {
        const std::optional<int> value = Number(texts[i]);
        if (!value || *value < limits[i].least || *value > limits[i].most) {
            why = QCoreApplication::translate("BarcodeDrawing",
                                              "The %1 must be a number from %2 to %3, not \"%4\".")
                      .arg(QCoreApplication::translate("BarcodeDrawing", limits[i].name))
                      .arg(limits[i].least)
                      .arg(limits[i].most)
                      .arg(QString::fromLatin1(texts[i]));
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

QString FieldCountWhy(const char* kind, std::size_t count) {
    return QCoreApplication::translate("BarcodeDrawing", "%1 takes %2 parameters after its letter.")
        .arg(QString::fromLatin1(kind))
        .arg(count);
}

BarcodePiece DrawQrCode(const std::vector<std::string>& fields, std::string_view data) {
    if (fields.size() != 5) {
        return Refused(FieldCountWhy("QR Code", 4));
    }
    static constexpr std::string_view kLevels[] = {"L", "M", "Q", "H"};
    const auto level = std::find(std::begin(kLevels), std::end(kLevels), fields[2]);
    if (level == std::end(kLevels)) {
        return Refused(QCoreApplication::translate(
            "BarcodeDrawing", "The QR Code error correction level must be L, M, Q or H."));
    }
    static constexpr Field kModel[] = {{QT_TRANSLATE_NOOP("BarcodeDrawing", "model"), 1, 2}};
    static constexpr Field kSizeRotation[] = {
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "size"), 1, 4},
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "rotation"), 0, 3}};
    QString why;
    const auto model = Numbers(std::span(fields).subspan(1, 1), kModel, why);
    const auto sizeRotation =
        model ? Numbers(std::span(fields).subspan(3), kSizeRotation, why) : std::nullopt;
    if (!sizeRotation) {
        return Refused(why);
    }
    // The library encodes model 2 only; a model 1 symbol is drawn as model 2, which has the same
    // finder patterns and size steps and which every reader decodes.
    const int levelNumber = static_cast<int>(level - std::begin(kLevels)) + 1;
    Symbol symbol = Encode(BARCODE_QRCODE, data, why, DATA_MODE,
                           [&](zint_symbol& s) { s.option_1 = levelNumber; });
    if (!symbol) {
        return Refused(why);
    }
    // Size n gives modules of 2n + 2 dots: at size 4 a short message (21 modules) is about an
    // inch wide; size 1 (4 dots) is the smallest module that still scans well at 203 dpi.
    const int module = 2 * (*sizeRotation)[0] + 2;
    return MatrixPiece(*symbol, module, module);
}

BarcodePiece DrawPdf417(const std::vector<std::string>& fields, std::string_view data) {
    if (fields.size() != 10) {
        return Refused(FieldCountWhy("PDF417", 9));
    }
    static constexpr Field kLimits[] = {
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "maximum number of rows"), 3, 90},
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "maximum number of columns"), 1, 30},
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "error correction level"), 0, 8},
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "compression"), 0, 2},
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "readable line"), 0, 1},
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "origin"), 0, 1},
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "module width"), 1, kMaxSide},
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "bar height"), 1, kMaxSide},
        {QT_TRANSLATE_NOOP("BarcodeDrawing", "rotation"), 0, 3}};
    QString why;
    const auto values = Numbers(std::span(fields).subspan(1), kLimits, why);
    if (!values) {
        return Refused(why);
    }
    // Not used here: compression (the library picks the shortest compaction itself, and the data
    // read back is the same), the readable line, the origin and the rotation (the caller places
    // and turns the piece).
    const int maxRows = (*values)[0];
    const int maxColumns = (*values)[1];
    const int level = (*values)[2];
    const int moduleWidth = (*values)[6];
    const int barHeight = (*values)[7];
    // As many columns as allowed gives the fewest rows.
    Symbol symbol = Encode(BARCODE_PDF417, data, why, DATA_MODE, [&](zint_symbol& s) {
        s.option_1 = level;
        s.option_2 = maxColumns;
    });
    if (!symbol) {
        return Refused(why);
    }
    // Start, left indicator, the data columns, right indicator: 17 modules each; the stop
    // pattern has 18.
    const int columns = (symbol->width - 69) / 17;
    if (symbol->rows > maxRows || columns > maxColumns) {
        return Refused(QCoreApplication::translate(
                           "BarcodeDrawing",
                           "The data needs %1 rows of %2 columns; at most %3 rows of %4 fit.")
                           .arg(symbol->rows)
                           .arg(columns)
                           .arg(maxRows)
                           .arg(maxColumns));
    }
    return MatrixPiece(*symbol, moduleWidth, barHeight);
}

// Modes 2 and 3 begin with the structured carrier message: "class,country,postcode," and, when
// the next field is one to four digits followed by a comma, the postcode's extension (the four
// digits after a US ZIP code), then the message itself.
struct CarrierMessage {
    std::string serviceClass;
    std::string country;
    std::string postcode;
    std::string extension;
    std::string_view message;
};

std::optional<CarrierMessage> ReadCarrierMessage(std::string_view data) {
    CarrierMessage carrier;
    std::string* parts[] = {&carrier.serviceClass, &carrier.country, &carrier.postcode};
    for (std::string* part : parts) {
        const std::size_t comma = data.find(',');
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        *part = std::string(data.substr(0, comma));
        data.remove_prefix(comma + 1);
    }
    const std::size_t comma = data.find(',');
    if (comma != std::string_view::npos && comma <= 4 && Digits(data.substr(0, comma))) {
        carrier.extension = std::string(data.substr(0, comma));
        data.remove_prefix(comma + 1);
    }
    carrier.message = data;
    return carrier;
}

// Fills the dots whose centres lie inside `inside` (a test in dots relative to (cx, cy)).
template <typename Inside>
void FillShape(LabelBitmap& bitmap, double cx, double cy, double reach, LabelBitmap::Ink ink,
               Inside inside) {
    const int left = static_cast<int>(std::floor(cx - reach));
    const int top = static_cast<int>(std::floor(cy - reach));
    const int right = static_cast<int>(std::ceil(cx + reach));
    const int bottom = static_cast<int>(std::ceil(cy + reach));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (inside(x + 0.5 - cx, y + 0.5 - cy)) {
                bitmap.Set(x, y, ink);
            }
        }
    }
}

// Rasterises the library's vector form: hexagons for the modules, rings for the bullseye.
LabelBitmap DrawMaxicodeVector(const zint_vector& vector) {
    const double scale = kMaxicodeWidth / vector.width;
    LabelBitmap bitmap(static_cast<int>(std::lround(vector.width * scale)),
                       static_cast<int>(std::ceil(vector.height * scale)));
    const double root3 = std::sqrt(3.0);
    for (const zint_vector_hexagon* h = vector.hexagons; h; h = h->next) {
        // "diameter" is the pitch across the flats; the corners point up and down unless turned.
        const double radius = h->diameter * scale * kHexagonShare / root3;
        const bool turned = h->rotation == 90 || h->rotation == 270;
        FillShape(bitmap, h->x * scale, h->y * scale, radius, LabelBitmap::Ink::Black,
                  [&](double dx, double dy) {
                      const double across = std::abs(turned ? dy : dx);
                      const double along = std::abs(turned ? dx : dy);
                      return across <= radius * root3 / 2 && along <= radius - across / root3;
                  });
    }
    for (const zint_vector_circle* c = vector.circles; c; c = c->next) {
        // A ring's diameter is measured to the middle of its line; width 0 is a disc.
        const double outer = (c->diameter + c->width) / 2 * scale;
        const double inner = c->width > 0 ? (c->diameter - c->width) / 2 * scale : -1;
        FillShape(bitmap, c->x * scale, c->y * scale, outer,
                  c->colour ? LabelBitmap::Ink::White : LabelBitmap::Ink::Black,
                  [&](double dx, double dy) {
                      const double distance = std::hypot(dx, dy);
                      return distance <= outer && distance > inner;
                  });
    }
    return bitmap;
}

BarcodePiece DrawMaxicode(const std::vector<std::string>& fields, std::string_view data) {
    if (fields.size() != 2) {
        return Refused(FieldCountWhy("Maxicode", 1));
    }
    const std::optional<int> given = Number(fields[1]);
    if (!given || *given == 1 || *given < 0 || *given > 6) {
        return Refused(QCoreApplication::translate(
            "BarcodeDrawing", "The Maxicode mode must be 0, 2, 3, 4, 5 or 6."));
    }
    int mode = *given;
    std::string primary;
    std::string_view secondary = data;
    if (mode == 0 || mode == 2 || mode == 3) {
        const std::optional<CarrierMessage> carrier = ReadCarrierMessage(data);
        if (!carrier) {
            return Refused(QCoreApplication::translate(
                "BarcodeDrawing",
                "Maxicode modes 0, 2 and 3 begin with the class of service, the country code and "
                "the postal code, each followed by a comma."));
        }
        // Mode 0 is the obsolete first form of the structured carrier message; today's readers
        // know it as mode 2 (numeric postal code) or mode 3 (alphanumeric), so it is drawn as
        // the one its postal code calls for.
        if (mode == 0) {
            mode = Digits(carrier->postcode + carrier->extension) ? 2 : 3;
        }
        // Mode 3 postal codes hold six characters: an extension has no place there.
        primary = (mode == 2 ? carrier->postcode + carrier->extension : carrier->postcode) +
                  carrier->country + carrier->serviceClass;
        if (primary.size() >= sizeof(zint_symbol::primary)) {
            return Refused(QCoreApplication::translate("BarcodeDrawing",
                                                       "The Maxicode postal code is too long."));
        }
        secondary = carrier->message;
    }
    QString why;
    Symbol symbol = Encode(BARCODE_MAXICODE, secondary, why, DATA_MODE, [&](zint_symbol& s) {
        s.option_1 = mode;
        std::memcpy(s.primary, primary.c_str(), primary.size() + 1);
    });
    if (!symbol) {
        return Refused(why);
    }
    if (ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector ||
        symbol->vector->width <= 0) {
        return Refused(LibraryRefusal(*symbol));
    }
    BarcodePiece piece;
    piece.bitmap = DrawMaxicodeVector(*symbol->vector);
    return piece;
}

}  // namespace

BarcodePiece DrawBarcode1D(const Barcode1D& barcode, std::string_view data) {
    if (barcode.symbology < 0 || barcode.symbology >= static_cast<int>(std::size(kEncodings))) {
        return Refused(
            QCoreApplication::translate("BarcodeDrawing", "There is no barcode symbology %1.")
                .arg(barcode.symbology));
    }
    if (barcode.narrow < 1 || barcode.wide < 1 || barcode.height < 1 || barcode.quietZone < 0) {
        return Refused(QCoreApplication::translate(
            "BarcodeDrawing",
            "Bar widths and the bar height must be at least 1 dot, and the "
            "quiet zone cannot be negative."));
    }
    const Encoding1D encoding = kEncodings[barcode.symbology];
    const Prepared prepared = Prepare(static_cast<Symbology1D>(barcode.symbology), data);
    if (!prepared.why.isEmpty()) {
        return Refused(prepared.why);
    }
    QString why;
    Symbol symbol = Encode(prepared.zint ? prepared.zint : encoding.zint, prepared.data, why,
                           prepared.inputMode);
    if (!symbol) {
        return Refused(why);
    }
    // Runs of equal modules in the (single) row, each as wide as it is drawn.
    struct Run {
        bool black;
        long long dots;
    };
    std::vector<Run> runs;
    long long width = 2LL * barcode.quietZone * barcode.narrow;
    for (int column = 0; column < symbol->width;) {
        const bool black = Module(*symbol, 0, column);
        int modules = 1;
        while (column + modules < symbol->width && Module(*symbol, 0, column + modules) == black) {
            ++modules;
        }
        const long long dots = encoding.twoWidths ? (modules == 1 ? barcode.narrow : barcode.wide)
                                                  : 1LL * modules * barcode.narrow;
        runs.push_back({black, dots});
        width += dots;
        column += modules;
    }
    if (TooLarge(width, barcode.height)) {
        return Refused(TooLargeWhy(width, barcode.height));
    }
    BarcodePiece piece;
    piece.bitmap = LabelBitmap(static_cast<int>(width), barcode.height);
    long long x = 1LL * barcode.quietZone * barcode.narrow;
    for (const Run& run : runs) {
        if (run.black) {
            piece.bitmap.Fill(static_cast<int>(x), 0, static_cast<int>(run.dots), barcode.height,
                              LabelBitmap::Ink::Black);
        }
        x += run.dots;
    }
    piece.readable = prepared.readable.value_or(
        QString::fromUtf8(reinterpret_cast<const char*>(symbol->text)).toLatin1().toStdString());
    return piece;
}

BarcodePiece DrawBarcode2D(const std::vector<std::string>& fields, std::string_view data) {
    const std::string kind = fields.empty() ? std::string() : fields[0];
    if (kind == "Q") {
        return DrawQrCode(fields, data);
    }
    if (kind == "P") {
        return DrawPdf417(fields, data);
    }
    if (kind == "M") {
        return DrawMaxicode(fields, data);
    }
    return Refused(QCoreApplication::translate(
                       "BarcodeDrawing", "There is no 2D barcode kind \"%1\": it is M, P or Q.")
                       .arg(QString::fromLatin1(kind)));
}

}  // namespace preview

// Draws labels the way a printer builds them: drawing commands collect on the label in hand, a
// print command prints it at the size then in force, and settings stay in force for the labels
// that follow. Positions are in dots from the label's top left corner, shifted by the margins.
#include "preview/LabelRendering.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "preview/BarcodeDrawing.h"
#include "preview/LabelScript.h"
#include "preview/TextDrawing.h"

namespace preview {

namespace {

using Ink = LabelBitmap::Ink;
using Fields = std::vector<std::string_view>;

// The largest label drawn (10 by 40 inches) and the most labels: beyond them the rendering says
// so instead of taking all the memory there is.
constexpr int kWidestLabel = 2032;
constexpr int kLongestLabel = 8128;
constexpr std::size_t kMostLabels = 50;
constexpr qsizetype kShownCommand = 200;

// The character cells of the bitmap fonts "0" to "6", in dots.
constexpr std::array<std::array<int, 2>, 7> kFontCells = {{
    {8, 13},
    {10, 18},
    {14, 22},
    {17, 26},
    {20, 35},
    {28, 44},
    {40, 70},
}};
// Fonts whose cell is not known are drawn at the cell of font "3", and said so.
constexpr std::array<int, 2> kAssumedCell = kFontCells[3];
// The human readable line under a 1D barcode.
constexpr std::array<int, 2> kReadableCell = kFontCells[1];
constexpr int kReadableGap = 4;

std::string_view View(QByteArrayView bytes) {
    return {bytes.data(), static_cast<std::size_t>(bytes.size())};
}

Fields Split(std::string_view text) {
    Fields fields;
    while (true) {
        const std::size_t at = text.find(',');
        fields.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return fields;
        }
        text.remove_prefix(at + 1);
    }
}

std::optional<int> Integer(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (negative || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    value = negative ? -value : value;
    if (value < INT_MIN || value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// A position: any integer, as a printer clips what falls off the label; held within a range
// that no sum of position, margin and size can overflow.
std::optional<int> Position(std::string_view text) {
    const std::optional<int> value = Integer(text);
    return value ? std::optional<int>(std::clamp(*value, -1'000'000, 1'000'000)) : std::nullopt;
}

std::optional<int> Within(std::string_view text, int low, int high) {
    const std::optional<int> value = Integer(text);
    return value && *value >= low && *value <= high ? value : std::nullopt;
}

bool OneOf(std::string_view field, std::string_view letters) {
    return field.size() == 1 && letters.find(field[0]) != std::string_view::npos;
}

// "fields,'data'" with a backslash in front of an apostrophe or backslash of the data; with a
// two-byte font a byte from 0x80 up takes the next byte with it, whatever it is.
struct Parameters {
    Fields fields{};
    std::string data{};
};

std::optional<Parameters> WithData(std::string_view parameters, bool twoByte = false) {
    const std::size_t quote = parameters.find('\'');
    if (quote == std::string_view::npos || quote == 0 || parameters[quote - 1] != ',' ||
        parameters.size() < quote + 2 || parameters.back() != '\'') {
        return std::nullopt;
    }
    Parameters read{.fields = Split(parameters.substr(0, quote - 1))};
    const std::string_view quoted = parameters.substr(quote + 1, parameters.size() - quote - 2);
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        const bool pair =
            (twoByte && static_cast<unsigned char>(quoted[i]) >= 0x80) || quoted[i] == '\\';
        if (pair && i + 1 == quoted.size()) {
            return std::nullopt;  // the closing apostrophe would be data
        }
        if (pair && quoted[i] != '\\') {
            read.data += quoted[i];
        }
        read.data += quoted[pair ? ++i : i];
    }
    return read;
}

bool AllSingleByte(std::string_view data) {
    return std::all_of(data.begin(), data.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// A piece to put on the label: its top left corner lies (dx, dy) from the anchor (x, y) before
// the piece turns clockwise about the anchor by `turns` quarter turns.
struct Placed {
    LabelBitmap piece;
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
    int turns = 0;
    bool reverse = false;  // the piece's whole box inverted
};

void Put(LabelBitmap& label, const Placed& placed) {
    const int dx = placed.dx;
    const int dy = placed.dy;
    int x = placed.x + dx;
    int y = placed.y + dy;
    switch (placed.turns) {
        case 1:
            x = placed.x - dy;
            y = placed.y + dx;
            break;
        case 2:
            x = placed.x - dx;
            y = placed.y - dy;
            break;
        case 3:
            x = placed.x + dy;
            y = placed.y - dx;
            break;
        default:
            break;
    }
    if (placed.reverse) {
        LabelBitmap box(placed.piece.Width(), placed.piece.Height());
        box.Fill(0, 0, box.Width(), box.Height(), Ink::Black);
        label.Stamp(box, x, y, placed.turns, Ink::Invert);
        label.Stamp(placed.piece, x, y, placed.turns, Ink::Invert);
    } else {
        label.Stamp(placed.piece, x, y, placed.turns, Ink::Black);
    }
}

// A line or box of BD: O draws black, E inverts, D clears, B a frame of the given thickness,
// S a slanted line of the given thickness from the start to the end.
struct Block {
    int startX = 0, startY = 0, endX = 0, endY = 0;
    char kind = 'O';
    int thickness = 0;
};

void DrawSlope(LabelBitmap& label, const Block& block) {
    const long long dx = static_cast<long long>(block.endX) - block.startX;
    const long long dy = static_cast<long long>(block.endY) - block.startY;
    const int thickness = std::max(block.thickness, 1);
    // Along the longer direction, a run of `thickness` dots across it at every step.
    if (std::llabs(dx) >= std::llabs(dy)) {
        const long long steps = std::llabs(dx);
        for (long long i = 0; i <= steps; ++i) {
            const long long x = block.startX + (dx < 0 ? -i : i);
            const long long y = block.startY + (steps == 0 ? 0 : dy * i / steps);
            label.Fill(static_cast<int>(x), static_cast<int>(y), 1, thickness, Ink::Black);
        }
    } else {
        const long long steps = std::llabs(dy);
        for (long long i = 0; i <= steps; ++i) {
            const long long y = block.startY + (dy < 0 ? -i : i);
            const long long x = block.startX + dx * i / steps;
            label.Fill(static_cast<int>(x), static_cast<int>(y), thickness, 1, Ink::Black);
        }
    }
}

void DrawBlock(LabelBitmap& label, const Block& block) {
    if (block.kind == 'S') {
        DrawSlope(label, block);
        return;
    }
    const int left = std::min(block.startX, block.endX);
    const int top = std::min(block.startY, block.endY);
    const int width = std::abs(block.endX - block.startX);
    const int height = std::abs(block.endY - block.startY);
    switch (block.kind) {
        case 'E':
            label.Fill(left, top, width, height, Ink::Invert);
            break;
        case 'D':
            label.Fill(left, top, width, height, Ink::White);
            break;
        case 'B': {
            const int t = std::min({block.thickness, width, height});
            label.Fill(left, top, width, t, Ink::Black);
            label.Fill(left, top + height - t, width, t, Ink::Black);
            label.Fill(left, top, t, height, Ink::Black);
            label.Fill(left + width - t, top, t, height, Ink::Black);
            break;
        }
        default:
            label.Fill(left, top, width, height, Ink::Black);
            break;
    }
}

// What one drawing command leaves on the label, kept until the label prints.
struct Drawing {
    std::optional<Placed> placed{};
    std::optional<Block> block{};
};

class Renderer {
public:
    explicit Renderer(const PrinterSetup& setup)
        : setup_(setup), width_(setup.width), length_(setup.length) {}

    Rendering Run(QByteArrayView bytes) {
        for (const ScriptCommand& command : SplitScript(bytes)) {
            Take(command);
        }
        if (!drawings_.empty()) {
            PrintLabel(0, lastLine_);
        }
        return std::move(rendering_);
    }

private:
    void Note(const ScriptCommand& command, Undrawn::Why why, QString detail = {}) {
        rendering_.undrawn.push_back(Undrawn{
            .line = command.line,
            .command =
                command.text.first(std::min(command.text.size(), kShownCommand)).toByteArray(),
            .why = why,
            .detail = std::move(detail)});
    }

    void Take(const ScriptCommand& command) {
        const std::string_view text = View(command.text);
        if (firstLine_ == 0) {
            firstLine_ = command.line;
        }
        lastLine_ = command.line;
        std::size_t length = 0;
        while (length < text.size() && text[length] >= 'A' && text[length] <= 'Z') {
            ++length;
        }
        if (length == 1 && text[0] == 'B' && text.size() > 1 && text[1] >= '0' && text[1] <= '9') {
            length = 2;
        }
        const std::string_view name = text.substr(0, length);
        const std::string_view parameters = text.substr(length);
        const auto malformed = [&] { Note(command, Undrawn::Why::Malformed); };
        if (name == "T") {
            BitmapText(command, parameters) || (malformed(), true);
        } else if (name == "V") {
            VectorText(command, parameters) || (malformed(), true);
        } else if (name == "B1") {
            Barcode1DLine(command, parameters) || (malformed(), true);
        } else if (name == "B2") {
            Barcode2DLine(command, parameters) || (malformed(), true);
        } else if (name == "BD") {
            BlockLine(parameters) || (malformed(), true);
        } else if (name == "IR") {
            Recall(command, parameters) || (malformed(), true);
        } else if (name == "IS") {
            Store(command) || (malformed(), true);
        } else if (name == "P") {
            Print(parameters) || (malformed(), true);
        } else if (name == "SW" || name == "SL" || name == "SM") {
            Geometry(name, parameters) || (malformed(), true);
        } else if (name == "SS" || name == "SD" || name == "SOT" || name == "SOB" || name == "CS" ||
                   name == "SA" || name == "TA") {
            // Speed, density, character set and offsets change how it prints, not what; print
            // direction turns the label as it comes out.
            if (name == "SOT" || name == "SOB") {
                bottomFirst_ = name == "SOB";
            }
        } else if (!text.empty() && (text[0] == '^' || text[0] == '>' || name == "ID" ||
                                     name == "II" || name == "CPS")) {
            Note(command, Undrawn::Why::NotDrawing);
        } else {
            Note(command, Undrawn::Why::Unknown);
        }
    }

    // T x,y,font,hmul,vmul,space,rotation,reverse,bold,'data'
    bool BitmapText(const ScriptCommand& command, std::string_view parameters) {
        const std::size_t quote = parameters.find('\'');
        const Fields head = Split(parameters.substr(0, quote));
        const bool twoByte = head.size() > 2 && OneOf(head[2], "mnj");
        const std::optional<Parameters> read = WithData(parameters, twoByte);
        if (!read || read->fields.size() != 9) {
            return false;
        }
        const Fields& f = read->fields;
        const auto x = Position(f[0]), y = Position(f[1]);
        const auto hmul = Within(f[3], 1, 4), vmul = Within(f[4], 1, 4);
        const auto space = Within(f[5], 0, 100), turns = Within(f[6], 0, 3);
        if (!x || !y || !hmul || !vmul || !space || !turns || f[2].size() != 1 ||
            !OneOf(f[7], "NR") || !OneOf(f[8], "NB")) {
            return false;
        }
        const char font = f[2][0];
        std::array<int, 2> cell = kAssumedCell;
        if (font >= '0' && font <= '6') {
            cell = kFontCells[static_cast<std::size_t>(font - '0')];
        } else if (!OneOf(f[2], "789abcdefmnj")) {
            return false;
        } else if (!AllSingleByte(read->data)) {
            Note(command, Undrawn::Why::TwoByteFont);
            return true;
        } else {
            Note(command, Undrawn::Why::AssumedFont, QString(QLatin1Char(font)));
        }
        TextDrawing::Style style{.cellWidth = cell[0],
                                 .cellHeight = cell[1],
                                 .spacing = *space,
                                 .bold = f[8] == "B",
                                 .magnifyX = *hmul,
                                 .magnifyY = *vmul};
        Add(Placed{.piece = text_.Draw(read->data, style),
                   .x = *x,
                   .y = *y,
                   .turns = *turns,
                   .reverse = f[7] == "R"});
        return true;
    }

    // V x,y,font,width,height,space,bold,reverse,italic,rotation,justification,direction,'data'
    bool VectorText(const ScriptCommand& command, std::string_view parameters) {
        const std::size_t quote = parameters.find('\'');
        const Fields head = Split(parameters.substr(0, quote));
        const bool twoByte = head.size() > 2 && OneOf(head[2], "KGBJ");
        const std::optional<Parameters> read = WithData(parameters, twoByte);
        if (!read || read->fields.size() != 12) {
            return false;
        }
        const Fields& f = read->fields;
        const auto x = Position(f[0]), y = Position(f[1]);
        const auto width = Within(f[3], 1, 100), height = Within(f[4], 1, 100);
        const auto space = Within(f[5], -100, 100), turns = Within(f[9], 0, 3);
        const auto direction = Within(f[11], 0, 1);
        if (!x || !y || !width || !height || !space || !turns || !direction ||
            !OneOf(f[2], "UKGBJ") || !OneOf(f[6], "BN") || !OneOf(f[7], "RN") ||
            !OneOf(f[8], "IN") || !OneOf(f[10], "RCL")) {
            return false;
        }
        if (!AllSingleByte(read->data)) {
            Note(command, Undrawn::Why::TwoByteFont);
            return true;
        }
        std::string data = read->data;
        if (*direction == 1) {
            std::reverse(data.begin(), data.end());
        }
        // Width and height scale the font: equal, the characters keep their own shape.
        TextDrawing::Style style{.cellWidth = text_.NaturalWidth(*width, *height),
                                 .cellHeight = *height,
                                 .spacing = *space,
                                 .bold = f[6] == "B",
                                 .italic = f[8] == "I"};
        Placed placed{.piece = text_.Draw(data, style),
                      .x = *x,
                      .y = *y,
                      .turns = *turns,
                      .reverse = f[7] == "R"};
        // Justified about x: right ends there, centre sits on it.
        if (f[10] == "R") {
            placed.dx = -placed.piece.Width();
        } else if (f[10] == "C") {
            placed.dx = -placed.piece.Width() / 2;
        }
        Add(std::move(placed));
        return true;
    }

    // B1 x,y,symbology,narrow,wide,height,rotation,hri[,quiet zone],'data'
    bool Barcode1DLine(const ScriptCommand& command, std::string_view parameters) {
        const std::optional<Parameters> read = WithData(parameters);
        if (!read || (read->fields.size() != 8 && read->fields.size() != 9)) {
            return false;
        }
        const Fields& f = read->fields;
        const auto x = Position(f[0]), y = Position(f[1]);
        const auto symbology = Within(f[2], 0, 9), narrow = Within(f[3], 1, 100);
        const auto wide = Within(f[4], 1, 100), height = Within(f[5], 0, 1000);
        const auto turns = Within(f[6], 0, 3), readable = Within(f[7], 0, 1);
        const auto quiet = f.size() == 9 ? Within(f[8], 0, 20) : std::optional<int>(0);
        if (!x || !y || !symbology || !narrow || !wide || !height || !turns || !readable ||
            !quiet) {
            return false;
        }
        BarcodePiece drawn = DrawBarcode1D(Barcode1D{.symbology = *symbology,
                                                     .narrow = *narrow,
                                                     .wide = *wide,
                                                     .height = *height,
                                                     .readable = *readable == 1,
                                                     .quietZone = *quiet},
                                           read->data);
        if (drawn.bitmap.Empty()) {
            Note(command, Undrawn::Why::Barcode, drawn.why);
            return true;
        }
        LabelBitmap piece = std::move(drawn.bitmap);
        if (*readable == 1 && !drawn.readable.empty()) {
            // The human readable line centred under the bars.
            const LabelBitmap line = text_.Draw(
                drawn.readable, {.cellWidth = kReadableCell[0], .cellHeight = kReadableCell[1]});
            LabelBitmap both(std::max(piece.Width(), line.Width()),
                             piece.Height() + kReadableGap + line.Height());
            both.Stamp(piece, (both.Width() - piece.Width()) / 2, 0, 0, Ink::Black);
            both.Stamp(line, (both.Width() - line.Width()) / 2, piece.Height() + kReadableGap, 0,
                       Ink::Black);
            piece = std::move(both);
        }
        Add(Placed{.piece = std::move(piece), .x = *x, .y = *y, .turns = *turns});
        return true;
    }

    // B2 x,y,kind,parameters...,'data'
    bool Barcode2DLine(const ScriptCommand& command, std::string_view parameters) {
        const std::optional<Parameters> read = WithData(parameters);
        if (!read || read->fields.size() < 4) {
            return false;
        }
        const Fields& f = read->fields;
        const auto x = Position(f[0]), y = Position(f[1]);
        const std::size_t expected = f[2] == "M" ? 4 : f[2] == "P" ? 12 : f[2] == "Q" ? 7 : 0;
        if (!x || !y || f.size() != expected) {
            return false;
        }
        const auto turns = f[2] == "M" ? std::optional<int>(0) : Within(f.back(), 0, 3);
        if (!turns) {
            return false;
        }
        BarcodePiece drawn =
            DrawBarcode2D(std::vector<std::string>(f.begin() + 2, f.end()), read->data);
        if (drawn.bitmap.Empty()) {
            Note(command, Undrawn::Why::Barcode, drawn.why);
            return true;
        }
        Placed placed{.piece = std::move(drawn.bitmap), .x = *x, .y = *y, .turns = *turns};
        if (f[2] == "P" && f[8] == "1") {  // PDF417 placed by its centre (its origin field)
            placed.dx = -placed.piece.Width() / 2;
            placed.dy = -placed.piece.Height() / 2;
        }
        Add(std::move(placed));
        return true;
    }

    // BD startx,starty,endx,endy,kind[,thickness for S and B]
    bool BlockLine(std::string_view parameters) {
        const Fields f = Split(parameters);
        if (f.size() < 5 || !OneOf(f[4], "OEDSB")) {
            return false;
        }
        const bool extra = f[4] == "S" || f[4] == "B";
        const auto sx = Position(f[0]), sy = Position(f[1]), ex = Position(f[2]),
                   ey = Position(f[3]);
        const auto thickness =
            extra && f.size() == 6 ? Within(f[5], 0, 1000) : std::optional<int>(0);
        if (!sx || !sy || !ex || !ey || !thickness || f.size() != (extra ? 6u : 5u)) {
            return false;
        }
        drawings_.push_back(Drawing{.block = Block{.startX = *sx + marginX_,
                                                   .startY = *sy + marginY_,
                                                   .endX = *ex + marginX_,
                                                   .endY = *ey + marginY_,
                                                   .kind = f[4][0],
                                                   .thickness = *thickness}});
        return true;
    }

    // IR x,y,'name'
    bool Recall(const ScriptCommand& command, std::string_view parameters) {
        const std::optional<Parameters> read = WithData(parameters);
        if (!read || read->fields.size() != 2) {
            return false;
        }
        const auto x = Position(read->fields[0]), y = Position(read->fields[1]);
        if (!x || !y) {
            return false;
        }
        const auto stored = stored_.find(read->data);
        const auto known = setup_.pictures.find(read->data);
        const LabelBitmap* picture = stored != stored_.end()          ? &stored->second
                                     : known != setup_.pictures.end() ? &known->second
                                                                      : nullptr;
        if (picture == nullptr) {
            Note(command, Undrawn::Why::UnknownPicture, QString::fromLatin1(read->data));
            return true;
        }
        Add(Placed{.piece = *picture, .x = *x, .y = *y});
        return true;
    }

    // IS size,'name' and the picture file: kept for the IR lines after it.
    bool Store(const ScriptCommand& command) {
        const std::size_t quote = View(command.text).find('\'');
        if (command.cut || quote == std::string_view::npos) {
            return false;
        }
        const std::string name(
            View(command.text).substr(quote + 1, command.text.size() - quote - 2));
        std::optional<LabelBitmap> picture =
            setup_.readPicture ? setup_.readPicture(command.file) : std::nullopt;
        if (!picture) {
            Note(command, Undrawn::Why::NotDrawing, QString::fromLatin1(name));
            return true;
        }
        stored_[name] = std::move(*picture);
        return true;
    }

    bool Geometry(std::string_view name, std::string_view parameters) {
        const Fields f = Split(parameters);
        if (name == "SW") {
            const auto width = f.size() == 1 ? Within(f[0], 0, INT_MAX) : std::nullopt;
            width_ = width.value_or(width_);
            return width.has_value();
        }
        if (name == "SL") {
            const auto length = f.size() == 3 ? Within(f[0], 0, INT_MAX) : std::nullopt;
            const auto gap = f.size() == 3 ? Within(f[1], 0, INT_MAX) : std::nullopt;
            if (!length || !gap || !OneOf(f[2], "GCB") || (f[2] == "C" && *gap != 0)) {
                return false;
            }
            length_ = *length;
            return true;
        }
        const auto x = f.size() == 2 ? Position(f[0]) : std::nullopt;
        const auto y = f.size() == 2 ? Position(f[1]) : std::nullopt;
        if (!x || !y) {
            return false;
        }
        marginX_ = *x;
        marginY_ = *y;
        return true;
    }

    // P n or P n,m: n labels of m copies each.
    bool Print(std::string_view parameters) {
        const Fields f = Split(parameters);
        long copies = 1;
        for (const std::string_view count : f) {
            if (count.empty() || count.size() > 9 ||
                !std::all_of(count.begin(), count.end(),
                             [](char byte) { return byte >= '0' && byte <= '9'; })) {
                return false;
            }
            copies = std::min(copies * std::stol(std::string(count)), 1'000'000'000L);
        }
        if (f.size() > 2) {
            return false;
        }
        if (copies > 0) {
            PrintLabel(copies, lastLine_);
        }
        return true;
    }

    void Add(Placed placed) {
        placed.x += marginX_;
        placed.y += marginY_;
        drawings_.push_back(Drawing{.placed = std::move(placed)});
    }

    void PrintLabel(long copies, int lastLine) {
        if (rendering_.labels.size() >= kMostLabels) {
            if (!saidTooMany_) {
                saidTooMany_ = true;
                rendering_.undrawn.push_back(
                    Undrawn{.line = lastLine,
                            .why = Undrawn::Why::Limit,
                            .detail = QCoreApplication::translate(
                                          "LabelRendering", "only the first %1 labels are drawn")
                                          .arg(kMostLabels)});
            }
        } else {
            const int width = std::clamp(width_, 1, kWidestLabel);
            const int length = std::clamp(length_, 1, kLongestLabel);
            if ((width != width_ || length != length_) && !saidTooLarge_) {
                saidTooLarge_ = true;
                rendering_.undrawn.push_back(Undrawn{
                    .line = lastLine,
                    .why = Undrawn::Why::Limit,
                    .detail = QCoreApplication::translate(
                                  "LabelRendering", "a label of %1 × %2 dots is drawn as %3 × %4")
                                  .arg(width_)
                                  .arg(length_)
                                  .arg(width)
                                  .arg(length)});
            }
            LabelBitmap label(width, length);
            for (const Drawing& drawing : drawings_) {
                if (drawing.placed) {
                    Put(label, *drawing.placed);
                } else if (drawing.block) {
                    DrawBlock(label, *drawing.block);
                }
            }
            rendering_.labels.push_back(
                RenderedLabel{.bitmap = bottomFirst_ ? label.Turned(2) : std::move(label),
                              .copies = copies,
                              .firstLine = firstLine_,
                              .lastLine = lastLine});
        }
        drawings_.clear();
        firstLine_ = 0;
    }

    const PrinterSetup& setup_;
    Rendering rendering_;
    TextDrawing text_;
    std::vector<Drawing> drawings_;
    std::map<std::string, LabelBitmap> stored_;
    int width_;
    int length_;
    int marginX_ = 0;
    int marginY_ = 0;
    bool bottomFirst_ = false;
    int firstLine_ = 0;
    int lastLine_ = 0;
    bool saidTooMany_ = false;
    bool saidTooLarge_ = false;
};

}  // namespace

Rendering RenderLabels(QByteArrayView bytes, const PrinterSetup& setup) {
    return Renderer(setup).Run(bytes);
}

}  // namespace preview

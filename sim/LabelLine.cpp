// A label command line as a printer reads it: a name of capitals (B1 and B2 with their digit),
// directly followed by fields separated by commas; the drawing commands T, V, B1 and B2 end in
// 'data' with a backslash in front of an apostrophe or backslash that belongs to the data.
//
// A printer clips what falls off the label, so positions may be any integer (even negative);
// every other field has its closed set of values. A line of a known name that breaks any of
// this is malformed as a whole: nothing of it reaches the label.
#include "sim/LabelLine.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sim {

namespace {

using Fields = std::vector<std::string_view>;

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

bool IsDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

// A decimal integer within int, with an optional sign (one sample sends a spacing of "+1").
std::optional<int> Integer(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (negative || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10 || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char digit : text) {
        value = value * 10 + (digit - '0');
    }
    value = negative ? -value : value;
    if (value < INT_MIN || value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

using Check = bool (*)(std::string_view field);

bool Position(std::string_view field) {
    return Integer(field).has_value();
}

template <int low, int high>
bool Within(std::string_view field) {
    const std::optional<int> value = Integer(field);
    return value && *value >= low && *value <= high;
}

template <char... letters>
bool OneOf(std::string_view field) {
    return field.size() == 1 && ((field[0] == letters) || ...);
}

constexpr Check kRotation = Within<0, 3>;
constexpr Check kSize = Within<0, INT_MAX>;

// "0".."9" and "a".."f", and the two-byte fonts "m", "n", "j".
bool BitmapFont(std::string_view field) {
    return field.size() == 1 && (IsDigit(field[0]) || (field[0] >= 'a' && field[0] <= 'f') ||
                                 field[0] == 'm' || field[0] == 'n' || field[0] == 'j');
}

bool MaxicodeMode(std::string_view field) {
    return Within<0, 4>(field) && Integer(field) != 1;
}

constexpr Check kBitmapText[] = {Position,     Position,        BitmapFont,
                                 Within<1, 4>, Within<1, 4>,    Within<0, 100>,
                                 kRotation,    OneOf<'N', 'R'>, OneOf<'N', 'B'>};
constexpr Check kVectorText[] = {Position,
                                 Position,
                                 OneOf<'U', 'K', 'G', 'B', 'J'>,
                                 Within<1, 100>,
                                 Within<1, 100>,
                                 Within<-100, 100>,
                                 OneOf<'B', 'N'>,
                                 OneOf<'R', 'N'>,
                                 OneOf<'I', 'N'>,
                                 kRotation,
                                 OneOf<'R', 'C', 'L'>,
                                 Within<0, 1>};
constexpr Check kBarcode1D[] = {Position,       Position,        Within<0, 9>, Within<1, 100>,
                                Within<1, 100>, Within<0, 1000>, kRotation,    Within<0, 1>};
constexpr Check kQuietZone = Within<0, 20>;
constexpr Check kMaxicode[] = {Position, Position, OneOf<'M'>, MaxicodeMode};
constexpr Check kPdf417[] = {Position,      Position,     OneOf<'P'>,    Within<3, 90>,
                             Within<1, 30>, Within<0, 8>, Within<0, 2>,  Within<0, 1>,
                             Within<0, 1>,  Within<2, 9>, Within<4, 99>, kRotation};
constexpr Check kQrCode[] = {
    Position,     Position, OneOf<'Q'>, Within<1, 2>, OneOf<'L', 'M', 'Q', 'H'>,
    Within<1, 4>, kRotation};
constexpr Check kBlock[] = {Position, Position, Position, Position, OneOf<'O', 'E', 'D', 'S', 'B'>};
constexpr Check kBlockExtra = Within<0, 1000>;

bool Fits(const Fields& fields, std::span<const Check> checks) {
    if (fields.size() != checks.size()) {
        return false;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!checks[i](fields[i])) {
            return false;
        }
    }
    return true;
}

// The data of "'...'" that ends the line: nothing when the line does not end in an apostrophe of
// its own. The forms copy what the user typed unescaped, so an apostrophe before the last one is
// data. With a two-byte font a byte from 0x80 up leads a character and takes the next byte as its
// second, whatever it is: a second byte of 0x5C is no escape.
std::optional<std::string> Unquoted(std::string_view quoted, bool twoByte) {
    if (quoted.size() < 2 || quoted.back() != '\'') {
        return std::nullopt;
    }
    const std::size_t end = quoted.size() - 1;
    std::string data;
    std::size_t i = 1;
    while (i < end) {
        const bool pair =
            (twoByte && static_cast<unsigned char>(quoted[i]) >= 0x80) || quoted[i] == '\\';
        if (pair && i + 1 == end) {
            return std::nullopt;  // the last apostrophe belongs to the data
        }
        if (pair && quoted[i] != '\\') {
            data += quoted[i];
        }
        data += quoted[pair ? i + 1 : i];
        i += pair ? 2 : 1;
    }
    return data;
}

LabelLine Malformed() {
    return LabelLine{.kind = LabelLine::Kind::Malformed};
}

LabelLine Drawing(LabelElement::Kind kind, const Fields& fields, std::string data = {}) {
    LabelLine line{.kind = LabelLine::Kind::Drawing};
    line.element.kind = kind;
    line.element.fields.assign(fields.begin(), fields.end());
    line.element.data = std::move(data);
    return line;
}

LabelLine Setting(LabelFormat setting) {
    return LabelLine{.kind = LabelLine::Kind::Setting, .setting = setting};
}

// "fields,'data'": the element when the fields pass `fits` and the data is well quoted.
LabelLine WithData(std::string_view parameters, LabelElement::Kind kind,
                   bool (*fits)(const Fields&), bool (*twoByte)(const Fields&)) {
    const std::size_t quote = parameters.find('\'');
    if (quote == std::string_view::npos || quote == 0 || parameters[quote - 1] != ',') {
        return Malformed();
    }
    const Fields fields = Split(parameters.substr(0, quote - 1));
    if (!fits(fields)) {
        return Malformed();
    }
    std::optional<std::string> data = Unquoted(parameters.substr(quote), twoByte(fields));
    return data ? Drawing(kind, fields, std::move(*data)) : Malformed();
}

bool SingleByte(const Fields&) {
    return false;
}

LabelLine BitmapText(std::string_view parameters) {
    return WithData(
        parameters, LabelElement::Kind::BitmapText,
        [](const Fields& fields) { return Fits(fields, kBitmapText); },
        [](const Fields& fields) {
            return fields[2] == "m" || fields[2] == "n" || fields[2] == "j";
        });
}

LabelLine VectorText(std::string_view parameters) {
    return WithData(
        parameters, LabelElement::Kind::VectorText,
        [](const Fields& fields) { return Fits(fields, kVectorText); },
        [](const Fields& fields) { return fields[2] != "U"; });
}

// The quiet zone is a ninth field only when one is chosen.
LabelLine Barcode1D(std::string_view parameters) {
    return WithData(
        parameters, LabelElement::Kind::Barcode1D,
        [](const Fields& fields) {
            const std::size_t shared = std::size(kBarcode1D);
            return fields.size() >= shared &&
                   Fits(Fields(fields.begin(), fields.begin() + shared), kBarcode1D) &&
                   (fields.size() == shared ||
                    (fields.size() == shared + 1 && kQuietZone(fields.back())));
        },
        SingleByte);
}

LabelLine Barcode2D(std::string_view parameters) {
    return WithData(
        parameters, LabelElement::Kind::Barcode2D,
        [](const Fields& fields) {
            return Fits(fields, kMaxicode) || Fits(fields, kPdf417) || Fits(fields, kQrCode);
        },
        SingleByte);
}

// The extra number is there exactly for the kinds S and B.
LabelLine Block(std::string_view parameters) {
    const Fields fields = Split(parameters);
    const std::size_t shared = std::size(kBlock);
    if (fields.size() < shared || !Fits(Fields(fields.begin(), fields.begin() + shared), kBlock)) {
        return Malformed();
    }
    const bool extra = fields[4] == "S" || fields[4] == "B";
    if (fields.size() != shared + (extra ? 1 : 0) || (extra && !kBlockExtra(fields.back()))) {
        return Malformed();
    }
    return Drawing(LabelElement::Kind::Block, fields);
}

LabelLine Width(std::string_view parameters) {
    if (!kSize(parameters)) {
        return Malformed();
    }
    return Setting({.width = Integer(parameters)});
}

// "length,gap,G", "length,0,C" or "length,mark,B".
LabelLine Length(std::string_view parameters) {
    const Fields fields = Split(parameters);
    if (!Fits(fields, std::array<Check, 3>{kSize, kSize, OneOf<'G', 'C', 'B'>})) {
        return Malformed();
    }
    const std::optional<int> gap = Integer(fields[1]);
    using Media = LabelFormat::Media;
    const Media media = fields[2] == "G"   ? Media::Gap
                        : fields[2] == "C" ? Media::Continuous
                                           : Media::BlackMark;
    if (media == Media::Continuous && gap != 0) {
        return Malformed();
    }
    return Setting({.length = Integer(fields[0]), .media = media, .gapLength = gap});
}

LabelLine Margins(std::string_view parameters) {
    const Fields fields = Split(parameters);
    if (!Fits(fields, std::array<Check, 2>{Position, Position})) {
        return Malformed();
    }
    return Setting({.marginX = Integer(fields[0]), .marginY = Integer(fields[1])});
}

LabelLine Speed(std::string_view parameters) {
    return Within<0, 4>(parameters) ? Setting({.speed = Integer(parameters)}) : Malformed();
}

LabelLine Density(std::string_view parameters) {
    return Within<0, 20>(parameters) ? Setting({.density = Integer(parameters)}) : Malformed();
}

LabelLine TopFirst(std::string_view parameters) {
    return parameters.empty() ? Setting({.topFirst = true}) : Malformed();
}

LabelLine BottomFirst(std::string_view parameters) {
    return parameters.empty() ? Setting({.topFirst = false}) : Malformed();
}

LabelLine CharacterSet(std::string_view parameters) {
    const Fields fields = Split(parameters);
    if (!Fits(fields, std::array<Check, 2>{Within<0, 15>, Within<0, 22>})) {
        return Malformed();
    }
    return Setting({.international = Integer(fields[0]), .codeTable = Integer(fields[1])});
}

// Decimal digits only, as many as come; beyond what one command prints the count stops growing.
std::optional<long> Count(std::string_view text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    long count = 0;
    for (const char digit : text) {
        count = std::min(count * 10 + (digit - '0'), kMostLabelsPerPrint);
    }
    return count;
}

// "P<n>" prints n labels; "P<n>,<m>" prints m copies of each of n labels. Either count at zero
// prints nothing.
LabelLine Print(std::string_view parameters) {
    const Fields fields = Split(parameters);
    const std::optional<long> labels = Count(fields[0]);
    const std::optional<long> copies =
        fields.size() == 2 ? Count(fields[1]) : std::optional<long>(1);
    if (fields.size() > 2 || !labels || !copies) {
        return Malformed();
    }
    const long total = *labels == 0 || *copies <= kMostLabelsPerPrint / *labels
                           ? *labels * *copies
                           : kMostLabelsPerPrint;
    return LabelLine{.kind = LabelLine::Kind::Print, .labels = total};
}

struct Command {
    std::string_view name;
    LabelLine (*read)(std::string_view parameters);
};

constexpr Command kCommands[] = {
    {"T", BitmapText},    {"V", VectorText}, {"B1", Barcode1D}, {"B2", Barcode2D},
    {"BD", Block},        {"SW", Width},     {"SL", Length},    {"SM", Margins},
    {"SS", Speed},        {"SD", Density},   {"SOT", TopFirst}, {"SOB", BottomFirst},
    {"CS", CharacterSet}, {"P", Print},
};

bool IsCapital(char byte) {
    return byte >= 'A' && byte <= 'Z';
}

}  // namespace

LabelLine ReadLabelLine(std::string_view line) {
    std::size_t length = 0;
    while (length < line.size() && IsCapital(line[length])) {
        ++length;
    }
    if (length == 1 && line[0] == 'B' && line.size() > 1 && IsDigit(line[1])) {
        length = 2;
    }
    const std::string_view name = line.substr(0, length);
    for (const Command& command : kCommands) {
        if (command.name == name) {
            return command.read(line.substr(length));
        }
    }
    return LabelLine{};
}

void ApplySetting(const LabelFormat& setting, LabelFormat& format) {
    const auto take = [](const auto& from, auto& to) {
        if (from) {
            to = from;
        }
    };
    take(setting.width, format.width);
    take(setting.length, format.length);
    take(setting.media, format.media);
    take(setting.gapLength, format.gapLength);
    take(setting.marginX, format.marginX);
    take(setting.marginY, format.marginY);
    take(setting.speed, format.speed);
    take(setting.density, format.density);
    take(setting.topFirst, format.topFirst);
    take(setting.international, format.international);
    take(setting.codeTable, format.codeTable);
}

}  // namespace sim

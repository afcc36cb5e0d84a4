#include "tester/TwoByteCodepage.h"

#include <array>

#include "tester/TorqCommand.h"

namespace {

using Table = TwoByteCodepage::Table;

const std::array<TwoByteCodepage::TableInfo, TwoByteCodepage::kTables> kTableInfo = {{
    {Table::Ks5601, "KS5601", "A1", "F7", "abcdef", 'd', 'K', 0xA1, 0xF7, 0xA1},
    {Table::Gb2312, "GB2312", "A1", "F7", "m", 'm', 'G', 0xA1, 0xF7, 0xA1},
    {Table::Big5, "BIG5", "A1", "E8", "n", 'n', 'B', 0xA1, 0xE8, 0x40},
    {Table::Jis, "JIS", "81", "EE", "j", 'j', 'J', 0x81, 0xFC, 0x3F},
}};

constexpr double kLabelX = 20;
constexpr double kLabelY = 20;

std::optional<int> HexDigit(QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        return c.unicode() - '0';
    }
    const QChar upper = c.toUpper();
    if (upper >= QLatin1Char('A') && upper <= QLatin1Char('F')) {
        return upper.unicode() - 'A' + 10;
    }
    return std::nullopt;
}

}  // namespace

const TwoByteCodepage::TableInfo& TwoByteCodepage::Info(Table table) {
    return kTableInfo[static_cast<std::size_t>(table)];
}

std::optional<std::uint8_t> TwoByteCodepage::ReadBlock(QStringView text) {
    if (text.size() != 2) {
        return std::nullopt;
    }
    const auto high = HexDigit(text[0]);
    const auto low = HexDigit(text[1]);
    if (!high || !low) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*high * 16 + *low);
}

QByteArray TwoByteCodepage::Head() const {
    QByteArray line;
    if (fontKind == FontKind::Bitmap) {
        torq::BitmapText text;
        text.x = kLabelX;
        text.y = kLabelY;
        text.font = table == Table::Ks5601 ? bitmapFont : Info(table).chosenFont;
        line = torq::BitmapTextLine(text);
    } else {
        // The height stands where the other commands put the width; printers have been fed
        // these samples that way.
        torq::VectorText text;
        text.x = kLabelX;
        text.y = kLabelY;
        text.font = Info(table).vectorFont;
        text.width = vectorHeight;
        text.height = vectorWidth;
        line = torq::VectorTextLine(text);
    }
    // The line comes with its empty data: keep the opening apostrophe only.
    line.chop(1);
    return line;
}

QByteArray TwoByteCodepage::Label(std::uint8_t lead) const {
    QByteArray label = Head();
    for (int trail = Info(table).firstTrail; trail <= kLastTrail; ++trail) {
        label += static_cast<char>(lead);
        label += static_cast<char>(trail);
    }
    label += "'\r";
    label += torq::Print(1);
    label += '\r';
    return label;
}

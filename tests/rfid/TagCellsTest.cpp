#include <gtest/gtest.h>

#include <map>

#include "rfid/RfidProtocol.h"
#include "rfid/TagCells.h"

namespace {

using DataType = RfidCommands::DataType;

// Every cell "-" but the ones named.
TagCells::Texts Cells(const std::map<int, QString>& shown) {
    TagCells::Texts cells;
    cells.fill(QStringLiteral("-"));
    for (const auto& [number, text] : shown) {
        cells[static_cast<std::size_t>(number - 1)] = text;
    }
    return cells;
}

// Cells `first` and on, each holding the next `perCell` characters of `text`.
std::map<int, QString> Sequence(int first, const QString& text, int perCell) {
    std::map<int, QString> cells;
    for (qsizetype at = 0; at < text.size(); at += perCell) {
        cells[first++] = text.mid(at, perCell);
    }
    return cells;
}

// A reply as it lies in the zero-filled tag buffer.
QByteArray Buffer(const QByteArray& reply) {
    QByteArray buffer(RfidProtocol::kTagBufferLength, '\0');
    buffer.replace(0, reply.size(), reply);
    return buffer;
}

TEST(TagCells, FromReplyPlacesTheAnswerFromTheStartBlockOn) {
    const QByteArray hex106 = QByteArray("0123456789ABCDEF").repeated(7).left(106);
    std::map<int, QString> shortAnswer = Sequence(5, QStringLiteral("0123"), 2);
    for (int number = 7; number <= 16; ++number) {
        shortAnswer[number] = QString();
    }
    const struct {
        const char* what;
        QByteArray reply;
        int expected;
        DataType type;
        int start;
        TagCells::Texts cells;
    } cases[] = {
        {"defaults", "00112233445566778899AABB", 24, DataType::Hex, 4,
         Cells(Sequence(5, QStringLiteral("00112233445566778899AABB"), 2))},
        {"ASCII from block 0", "XY", 2, DataType::Ascii, 0,
         Cells({{1, QStringLiteral("X")}, {2, QStringLiteral("Y")}})},
        {"start 16, 53 bytes: cells 17 to 64, the rest dropped", hex106, 106, DataType::Hex, 16,
         Cells(Sequence(17, QString::fromLatin1(hex106.left(96)), 2))},
        {"short answer: the rest of the range empty", "0123", 24, DataType::Hex, 4,
         Cells(shortAnswer)},
        {"half a byte", "ABC", 4, DataType::Hex, 0,
         Cells({{1, QStringLiteral("AB")}, {2, QStringLiteral("C")}})},
        {"nothing beyond what was expected", "ABCDEF", 4, DataType::Hex, 0,
         Cells({{1, QStringLiteral("AB")}, {2, QStringLiteral("CD")}})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TagCells::FromReply(Buffer(c.reply), c.expected, c.type, c.start), c.cells)
            << c.what;
    }
    // A buffer shorter than the expected answer is never read beyond its end.
    EXPECT_EQ(TagCells::FromReply("AB", 6, DataType::Hex, 0),
              Cells({{1, QStringLiteral("AB")}, {2, QString()}, {3, QString()}}));
}

TEST(TagCells, FitsLimit) {
    EXPECT_TRUE(TagCells::FitsLimit(16, 53));
    EXPECT_FALSE(TagCells::FitsLimit(16, 54));
    EXPECT_TRUE(TagCells::FitsLimit(5, 64));
    EXPECT_FALSE(TagCells::FitsLimit(6, 64));
}

}  // namespace

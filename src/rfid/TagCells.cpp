#include "rfid/TagCells.h"

TagCells::Texts TagCells::FromReply(const QByteArray& buffer, int expected,
                                    RfidCommands::DataType type, int start) {
    Texts cells;
    cells.fill(QString(kUnread));
    const int perCell = type == RfidCommands::DataType::Hex ? 2 : 1;
    for (int i = 0; i * perCell <= expected - 1; ++i) {
        const int number = start + i + 1;
        if (number > kCount) {
            break;
        }
        QString text;
        for (int k = 0; k < perCell; ++k) {
            const qsizetype at = static_cast<qsizetype>(i) * perCell + k;
            if (at >= buffer.size() || buffer[at] == '\0') {
                break;
            }
            text += QChar::fromLatin1(buffer[at]);
        }
        cells[static_cast<std::size_t>(number - 1)] = text;
    }
    return cells;
}

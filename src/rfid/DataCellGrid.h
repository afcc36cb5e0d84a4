#pragma once

#include <QByteArray>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "rfid/RfidCommands.h"

class Messages;
class QLineEdit;

// Numbered one-line cells in rows, each number above its cell: the data of a tag, one byte per
// cell. The write and read forms show 64, the tester's write line 12.
class DataCellGrid : public QWidget {
    Q_OBJECT
public:
    DataCellGrid(QWidget* parent, int count, int perRow);

    // `cells` joined as a data command carries them; nothing, after a warning naming the cell,
    // when one holds a character the data type cannot carry.
    static std::optional<QByteArray> DataText(const QStringList& cells, RfidCommands::DataType type,
                                              Messages& messages);

    int Count() const { return static_cast<int>(cells_.size()); }
    // Cell `number`, counted from 1.
    QLineEdit* Cell(int number) const;

    QStringList Texts() const;
    void SetTexts(const QStringList& texts);
    // At most `chars` characters per cell.
    void SetCharsPerCell(int chars);
    // Cells `first` to `last` enabled, every other cell disabled (an empty range: all disabled).
    void EnableRange(int first, int last);
    void SetReadOnly(bool readOnly);

signals:
    // A person changed the text of cell `number`.
    void Edited(int number);

private:
    std::vector<QLineEdit*> cells_;
};

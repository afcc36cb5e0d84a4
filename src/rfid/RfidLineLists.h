#pragma once

class QComboBox;
class QWidget;

// The lists the tester's RFID write and read forms share; each entry carries what the line
// writes.
class RfidLineLists {
public:
    // "H", "A": the data as hexadecimal or ASCII text.
    static QComboBox* DataTypes(QWidget* parent);
    // "4" to "10".
    static QComboBox* StartBlocks(QWidget* parent);
    // "1" to "12".
    static QComboBox* ByteCounts(QWidget* parent);
};

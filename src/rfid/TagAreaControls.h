#pragma once

#include <QObject>

#include "rfid/TagCells.h"

class Messages;
class QComboBox;
class QHBoxLayout;
class QRadioButton;
class QWidget;

// The choices the write and read forms share: tag kind, memory, data type, start block and
// number of bytes. Each form places them in its own layout.
class TagAreaControls : public QObject {
    Q_OBJECT
public:
    explicit TagAreaControls(QWidget* parent);

    TagArea Read() const;
    void Show(const TagArea& area);
    // False, after the warning, when the range reaches beyond what the encoder can address.
    static bool RangeFits(const TagArea& area, Messages& messages);

    // The rows both forms show, each ending in a stretch a form may add its buttons after:
    // "Label" "Metal"; "EPC Data :" with the data type, "User Data"; the start block and the
    // number of bytes with their captions.
    QHBoxLayout* KindRow() const;
    QHBoxLayout* MemoryRow() const;
    QHBoxLayout* RangeRow(QWidget* parent) const;

    // The three lists; the Hex/ASCII list only while the EPC memory is chosen.
    void SetListsEnabled(bool enabled);

    QRadioButton* label = nullptr;
    QRadioButton* metal = nullptr;
    QRadioButton* epc = nullptr;
    QRadioButton* user = nullptr;
    QComboBox* dataType = nullptr;
    QComboBox* startBlock = nullptr;
    QComboBox* byteCount = nullptr;

signals:
    // "EPC Data :" or "User Data" chosen by a person.
    void MemoryChosen();

private:
    bool listsEnabled_ = true;
};

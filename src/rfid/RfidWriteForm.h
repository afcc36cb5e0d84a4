#pragma once

#include <QDialog>
#include <QStringList>

#include "forms/ToolContext.h"
#include "rfid/LockPayload.h"
#include "rfid/RfidProtocol.h"
#include "rfid/TagCells.h"

class DataCellGrid;
class LockPayloadGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;
class TagAreaControls;

// Writes a tag through the printer's encoder: the data laid out in 64 cells, the passwords, and
// the lock payload, sent as unlock, data and lock steps followed by one label when the tag is a
// label's.
class RfidWriteForm : public QDialog {
    Q_OBJECT
public:
    explicit RfidWriteForm(const ToolContext& context, QWidget* parent = nullptr);

    void SetData();
    void ResetData();
    void SetPasswords();
    void Write();
    void PopupRead();

private:
    void ReadForm();
    void ShowFields();
    void CellEdited(int number);
    void StepsToggled();

    ToolContext context_;
    RfidProtocol protocol_;

    TagArea area_;
    QStringList cells_;
    QString access_;
    QString kill_;
    bool unlock_ = false;
    bool data_ = false;
    bool lock_ = false;
    LockPayload payload_;
    int charsPerCell_ = 2;

    QLineEdit* accessEdit_ = nullptr;
    QLineEdit* killEdit_ = nullptr;
    TagAreaControls* areaControls_ = nullptr;
    QPushButton* setDataButton_ = nullptr;
    QPushButton* resetDataButton_ = nullptr;
    DataCellGrid* grid_ = nullptr;
    LockPayloadGrid* payloadGrid_ = nullptr;
    QCheckBox* unlockBox_ = nullptr;
    QCheckBox* dataBox_ = nullptr;
    QCheckBox* lockBox_ = nullptr;
    QPushButton* writeButton_ = nullptr;
};

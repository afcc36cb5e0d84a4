#pragma once

#include <QDialog>

#include "forms/ToolContext.h"
#include "rfid/RfidProtocol.h"
#include "rfid/RfidSettings.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// The encoder's settings read from the printer, changed and sent back; its valid and void
// counters shown and cleared; its automatic calibration started. Nothing outlives the form: every
// opening starts unread, with the settings locked until a Get has been answered.
class RfidConfigForm : public QDialog {
    Q_OBJECT
public:
    explicit RfidConfigForm(const ToolContext& context, QWidget* parent = nullptr);

    void Get();
    void Set();
    void DefaultSetting();
    void Reset();
    void AutoCalibration();
    void Close();

    // The values as last stored (what the form showed at its last refresh, or read since).
    const RfidSettings& Stored() const { return settings_; }

private:
    void ReadForm();
    void ShowFields();
    // The settings, Set and Reset open for editing once the encoder has answered.
    void EnableSettings(bool enabled);
    // Refuses (with its warning, the focus on the field) settings no encoder accepts: a number
    // list with no entry chosen, or a position that is not plain ASCII. True when all may go.
    bool CheckSendable();

    ToolContext context_;
    RfidProtocol protocol_;
    RfidSettings settings_;

    QComboBox* tagTypeList_ = nullptr;
    QComboBox* writingPowerList_ = nullptr;
    QLineEdit* transponderPositionEdit_ = nullptr;
    QComboBox* retriesList_ = nullptr;
    QComboBox* labelsList_ = nullptr;
    QLineEdit* validEdit_ = nullptr;
    QLineEdit* voidEdit_ = nullptr;
    QPushButton* setButton_ = nullptr;
    QPushButton* resetButton_ = nullptr;
};

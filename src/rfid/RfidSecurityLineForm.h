#pragma once

#include "tester/BuilderForm.h"

class LockPayloadGrid;
class QCheckBox;
class QRadioButton;
class RfidSecurityBuilder;

// "RFID Security": the tester's form of a RfidSecurityBuilder. The first group writes a lock
// payload, the second the encoder's own lock or unlock; the group chosen by its heading radio
// button is the one in use.
class RfidSecurityLineForm : public BuilderForm {
    Q_OBJECT
public:
    RfidSecurityLineForm(RfidSecurityBuilder& builder, const ToolContext& context,
                         QWidget* parent = nullptr);

protected:
    bool ReadForm() override;

private:
    void ModeChosen();
    void Refresh();

    RfidSecurityBuilder& builder_;
    QRadioButton* payloadRadio_ = nullptr;
    QRadioButton* autoRadio_ = nullptr;
    QCheckBox* unlockBox_ = nullptr;
    LockPayloadGrid* payloadGrid_ = nullptr;
    QRadioButton* lockRadio_ = nullptr;
    QRadioButton* unlockRadio_ = nullptr;
};

#pragma once

#include "tester/BuilderForm.h"

class RfidPasswordBuilder;

// "RFID Password": the tester's form of a RfidPasswordBuilder. The two fields put in the dots
// of the dotted form while a person types.
class RfidPasswordLineForm : public BuilderForm {
    Q_OBJECT
public:
    RfidPasswordLineForm(RfidPasswordBuilder& builder, const ToolContext& context,
                         QWidget* parent = nullptr);

    // Inserts only two passwords of eight hexadecimal digits.
    void accept() override;

protected:
    bool ReadForm() override;

private:
    void Edited(QLineEdit* field);
    void Refresh();

    RfidPasswordBuilder& builder_;
    QLineEdit* accessEdit_ = nullptr;
    QLineEdit* killEdit_ = nullptr;
};

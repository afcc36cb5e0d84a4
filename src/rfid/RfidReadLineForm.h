#pragma once

#include "tester/BuilderForm.h"

class RfidReadBuilder;

// "RFID Read": the tester's form of a RfidReadBuilder, laid out like the read command.
class RfidReadLineForm : public BuilderForm {
    Q_OBJECT
public:
    RfidReadLineForm(RfidReadBuilder& builder, const ToolContext& context,
                     QWidget* parent = nullptr);

protected:
    bool ReadForm() override;

private:
    RfidReadBuilder& builder_;
    QComboBox* typeList_ = nullptr;
    QComboBox* startList_ = nullptr;
    QComboBox* countList_ = nullptr;
    QComboBox* outputList_ = nullptr;
};

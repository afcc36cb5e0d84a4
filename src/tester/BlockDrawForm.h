#pragma once

#include "tester/BuilderForm.h"

class BlockDrawBuilder;

// "Block Draw Command": the form of a BlockDrawBuilder, laid out like the BD command.
class BlockDrawForm : public BuilderForm {
    Q_OBJECT
public:
    BlockDrawForm(BlockDrawBuilder& builder, const ToolContext& context, QWidget* parent = nullptr);

private:
    // A person chose a kind: "Optional" follows it, and the extra number and end Y take the
    // kind's values.
    void KindChosen();

    QComboBox* kindList_ = nullptr;
    StepField* endYField_ = nullptr;
    StepField* extraField_ = nullptr;
};

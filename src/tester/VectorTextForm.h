#pragma once

#include "tester/BuilderForm.h"

class VectorTextBuilder;

// "Vector Text Command": the form of a VectorTextBuilder, laid out like the V command.
class VectorTextForm : public BuilderForm {
    Q_OBJECT
public:
    VectorTextForm(VectorTextBuilder& builder, const ToolContext& context,
                   QWidget* parent = nullptr);
};

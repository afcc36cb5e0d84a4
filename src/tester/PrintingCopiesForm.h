#pragma once

#include "tester/BuilderForm.h"

class PrintingCopiesBuilder;

// "Printing Copies": the form of a PrintingCopiesBuilder, laid out like the P command.
class PrintingCopiesForm : public BuilderForm {
    Q_OBJECT
public:
    PrintingCopiesForm(PrintingCopiesBuilder& builder, const ToolContext& context,
                       QWidget* parent = nullptr);
};

#include "tester/TesterForms.h"

#include "tester/BitmapTextBuilder.h"
#include "tester/ConvertUnitForm.h"
#include "tester/VectorTextBuilder.h"

TesterForms StandardTesterForms() {
    TesterForms table;
    table.builders[TesterButton::BitmapText] = NewBuilder<BitmapTextBuilder>;
    table.builders[TesterButton::VectorText] = NewBuilder<VectorTextBuilder>;
    table.forms[TesterButton::Convert] = [](const ToolContext& context, const FormRunner&,
                                            QWidget* parent) {
        return std::make_unique<ConvertUnitForm>(context, parent);
    };
    return table;
}

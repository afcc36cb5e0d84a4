#include "tester/TesterForms.h"

#include "tester/BitmapTextBuilder.h"
#include "tester/BitmapTextForm.h"
#include "tester/ConvertUnitForm.h"
#include "tester/VectorTextBuilder.h"
#include "tester/VectorTextForm.h"

TesterForms StandardTesterForms() {
    TesterForms table;
    table.builders[TesterButton::BitmapText] = Builds<BitmapTextBuilder, BitmapTextForm>();
    table.builders[TesterButton::VectorText] = Builds<VectorTextBuilder, VectorTextForm>();
    table.forms[TesterButton::Convert] = [](const ToolContext& context, QWidget* parent) {
        return std::make_unique<ConvertUnitForm>(context, parent);
    };
    return table;
}

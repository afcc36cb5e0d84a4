#include "tester/TesterForms.h"

#include "tester/Barcode1DBuilder.h"
#include "tester/Barcode1DForm.h"
#include "tester/Barcode2DBuilder.h"
#include "tester/Barcode2DForm.h"
#include "tester/BitmapTextBuilder.h"
#include "tester/BitmapTextForm.h"
#include "tester/BlockDrawBuilder.h"
#include "tester/BlockDrawForm.h"
#include "tester/CharacterSetForm.h"
#include "tester/ConvertUnitForm.h"
#include "tester/LabelSettingBuilder.h"
#include "tester/LabelSettingForm.h"
#include "tester/PrintingCopiesBuilder.h"
#include "tester/PrintingCopiesForm.h"
#include "tester/PrintingSettingBuilder.h"
#include "tester/PrintingSettingForm.h"
#include "tester/TwoByteCodepageForm.h"
#include "tester/VectorTextBuilder.h"
#include "tester/VectorTextForm.h"

TesterForms StandardTesterForms() {
    TesterForms table;
    table.builders[TesterButton::BitmapText] = Builds<BitmapTextBuilder, BitmapTextForm>();
    table.builders[TesterButton::VectorText] = Builds<VectorTextBuilder, VectorTextForm>();
    table.builders[TesterButton::Barcode1D] = Builds<Barcode1DBuilder, Barcode1DForm>();
    table.builders[TesterButton::Barcode2D] = Builds<Barcode2DBuilder, Barcode2DForm>();
    table.builders[TesterButton::SpeedDensityDirection] =
        Builds<PrintingSettingBuilder, PrintingSettingForm>();
    table.builders[TesterButton::MarginWidthLength] =
        Builds<LabelSettingBuilder, LabelSettingForm>();
    table.builders[TesterButton::LineAndBox] = Builds<BlockDrawBuilder, BlockDrawForm>();
    table.builders[TesterButton::Copies] = Builds<PrintingCopiesBuilder, PrintingCopiesForm>();
    table.forms[TesterButton::Convert] = [](const ToolContext& context, QWidget* parent) {
        return std::make_unique<ConvertUnitForm>(context, parent);
    };
    table.forms[TesterButton::CharacterSet] = [](const ToolContext& context, QWidget* parent) {
        return std::make_unique<CharacterSetForm>(context, parent);
    };
    table.forms[TesterButton::PrintCodes] = [](const ToolContext& context, QWidget* parent) {
        return std::make_unique<TwoByteCodepageForm>(context, parent);
    };
    return table;
}

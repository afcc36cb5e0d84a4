#pragma once

#include <functional>
#include <map>
#include <memory>

#include "tester/CommandBuilder.h"

class QDialog;
class QWidget;
struct ToolContext;

// The tester's buttons that open a form.
enum class TesterButton {
    SpeedDensityDirection,
    MarginWidthLength,
    CheckPrinterStatus,
    LineAndBox,
    Barcode1D,
    Barcode2D,
    Copies,
    BitmapText,
    VectorText,
    CharacterSet,
    PrintCodes,
    Convert,
    RfidWrite,
    RfidRead,
    RfidPassword,
    RfidSecurity,
    RfidKill,
};

// What a builder button opens: a fresh builder for each builder cycle, and the form over it for
// each opening of the cycle (the builder outlives its forms).
struct BuilderEntry {
    std::function<std::unique_ptr<CommandBuilder>()> builder;
    std::function<std::unique_ptr<QDialog>(CommandBuilder& builder, const ToolContext& context,
                                           QWidget* parent)>
        form;
};
// The entry of a builder and its form: `Form(Builder&, const ToolContext&, QWidget* parent)`.
template <typename Builder, typename Form>
BuilderEntry Builds() {
    return {[] { return std::make_unique<Builder>(); },
            [](CommandBuilder& builder, const ToolContext& context,
               QWidget* parent) -> std::unique_ptr<QDialog> {
                // The form is made over the builder that the entry itself made.
                return std::make_unique<Form>(static_cast<Builder&>(builder), context, parent);
            }};
}

// A form that inserts nothing (it prints by itself or only calculates), opened modally.
using FormFactory =
    std::function<std::unique_ptr<QDialog>(const ToolContext& context, QWidget* parent)>;

// What each tester button opens. A button with no entry tells that its tool is not available in
// this version.
struct TesterForms {
    std::map<TesterButton, BuilderEntry> builders;
    std::map<TesterButton, FormFactory> forms;
};

// The builders and forms of this folder, one line each (for example
// `table.builders[TesterButton::Copies] = Builds<PrintingCopiesBuilder, PrintingCopiesForm>();`).
// Those of folders that build on the tester (RFID, the printer status checks) are added where
// the tester is opened, in the main window's tools.
TesterForms StandardTesterForms();

#pragma once

#include <functional>
#include <map>
#include <memory>

#include "forms/FormRunner.h"
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

// A fresh builder for one builder cycle.
using BuilderFactory = std::function<std::unique_ptr<CommandBuilder>()>;
template <typename Builder>
std::unique_ptr<CommandBuilder> NewBuilder() {
    return std::make_unique<Builder>();
}
// A form that inserts nothing (it prints by itself or only calculates), opened modally.
using FormFactory = std::function<std::unique_ptr<QDialog>(const ToolContext& context,
                                                           const FormRunner& run, QWidget* parent)>;

// What each tester button opens. A button with no entry tells that its tool is not available in
// this version.
struct TesterForms {
    std::map<TesterButton, BuilderFactory> builders;
    std::map<TesterButton, FormFactory> forms;
};

// The builders and forms of this folder, one line each (for example
// `table.builders[TesterButton::Copies] = NewBuilder<PrintingCopiesBuilder>;`). Those of folders
// that build on the tester (RFID, the printer status checks) are added where the tester is
// opened, in the main window's tools.
TesterForms StandardTesterForms();

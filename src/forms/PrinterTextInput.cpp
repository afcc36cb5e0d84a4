#include "forms/PrinterTextInput.h"

#include <QWidget>

#include "forms/Messages.h"
#include "forms/PrinterText.h"

std::optional<QByteArray> PrinterTextInput::ReadEditor(const QString& rawText, QWidget* editor,
                                                       Messages& messages) {
    auto bytes = PrinterText::FromEditor(rawText);
    return bytes ? bytes : Refuse(PrinterText::UnsendableInEditor(rawText), editor, messages);
}

std::optional<QByteArray> PrinterTextInput::ReadField(const QString& text, QWidget* field,
                                                      Messages& messages) {
    auto bytes = PrinterText::FromField(text);
    return bytes ? bytes : Refuse(PrinterText::UnsendableInField(text), field, messages);
}

std::optional<QByteArray> PrinterTextInput::Refuse(const QString& unsendable, QWidget* control,
                                                   Messages& messages) {
    messages.Warning(PrinterText::RefusalText(unsendable));
    if (control != nullptr) {
        control->setFocus();
    }
    return std::nullopt;
}

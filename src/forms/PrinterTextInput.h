#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class Messages;
class QWidget;

// Text a person typed, read as printer bytes (see PrinterText): a character without a byte is
// refused with a message that names it, and the focus goes back to the control that holds it.
class PrinterTextInput {
public:
    // From the editor's raw document text.
    static std::optional<QByteArray> ReadEditor(const QString& rawText, QWidget* editor,
                                                Messages& messages);
    static std::optional<QByteArray> ReadField(const QString& text, QWidget* field,
                                               Messages& messages);

private:
    static std::optional<QByteArray> Refuse(const QString& unsendable, QWidget* control,
                                            Messages& messages);
};

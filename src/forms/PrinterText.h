#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <optional>

// The one place where text a person sees or types becomes command bytes, and back.
//
// Each byte is shown as the character of the same code (ISO 8859-1), so every byte from 0x01 to
// 0xFF passes through the editor and the data fields unchanged, whatever code page the printer
// uses for it. In the editor a CR LF pair is a line break; a lone CR or a lone LF shows as its
// control picture (U+240D, U+240A), so that a file that holds one is sent and saved back as it
// was. A character above U+00FF has no byte: it is refused, never replaced (PrinterTextInput
// says so to the person).
class PrinterText {
    Q_DECLARE_TR_FUNCTIONS(PrinterText)
public:
    static QString ToEditor(QByteArrayView bytes);
    // From the editor's raw document text (paragraph separators between lines).
    static std::optional<QByteArray> FromEditor(const QString& rawText);
    static QString ToField(QByteArrayView bytes);
    static std::optional<QByteArray> FromField(const QString& text);

    // The characters that have no byte, each once, in order: what a refusal names.
    static QString UnsendableInEditor(const QString& rawText);
    static QString UnsendableInField(const QString& text);
    // The warning that refuses text holding `unsendable`, the characters without a byte.
    static QString RefusalText(const QString& unsendable);
};

#include "tester/PrinterText.h"

#include <QWidget>

#include "forms/Messages.h"

namespace {

constexpr char16_t kLoneCr = 0x240D;  // SYMBOL FOR CARRIAGE RETURN
constexpr char16_t kLoneLf = 0x240A;  // SYMBOL FOR LINE FEED

bool EditorOnly(char32_t code) {
    return code == QChar::ParagraphSeparator || code == QChar::LineSeparator || code == kLoneCr ||
           code == kLoneLf;
}

// The characters of `text` that have no byte, each once, in order.
QString Unsendable(const QString& text, bool editor) {
    QList<char32_t> found;
    for (const char32_t code : text.toUcs4()) {
        if (code > 0xFF && !(editor && EditorOnly(code)) && !found.contains(code)) {
            found.append(code);
        }
    }
    return QString::fromUcs4(found.constData(), found.size());
}

std::optional<QByteArray> Refuse(const QString& unsendable, QWidget* field, Messages& messages) {
    messages.Warning(
        QCoreApplication::translate("PrinterText",
                                    "The text holds characters the printer cannot take: %1\n"
                                    "Please use characters with one-byte codes only.")
            .arg(unsendable));
    if (field != nullptr) {
        field->setFocus();
    }
    return std::nullopt;
}

}  // namespace

QString PrinterText::ToEditor(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            text += QLatin1Char('\n');
            ++i;
        } else if (byte == '\r') {
            text += QChar(kLoneCr);
        } else if (byte == '\n') {
            text += QChar(kLoneLf);
        } else {
            text += QChar(char16_t(byte));
        }
    }
    return text;
}

std::optional<QByteArray> PrinterText::FromEditor(const QString& rawText) {
    QByteArray bytes;
    bytes.reserve(rawText.size());
    for (const QChar c : rawText) {
        const char16_t code = c.unicode();
        if (code == QChar::ParagraphSeparator || code == QChar::LineSeparator || code == u'\n') {
            bytes += "\r\n";
        } else if (code == kLoneCr) {
            bytes += '\r';
        } else if (code == kLoneLf) {
            bytes += '\n';
        } else if (code <= 0xFF) {
            bytes += static_cast<char>(code);
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

QString PrinterText::ToField(QByteArrayView bytes) {
    return QString::fromLatin1(bytes);
}

std::optional<QByteArray> PrinterText::FromField(const QString& text) {
    if (!Unsendable(text, false).isEmpty()) {
        return std::nullopt;
    }
    return text.toLatin1();
}

std::optional<QByteArray> PrinterText::ReadEditor(const QString& rawText, QWidget* field,
                                                  Messages& messages) {
    auto bytes = FromEditor(rawText);
    return bytes ? bytes : Refuse(Unsendable(rawText, true), field, messages);
}

std::optional<QByteArray> PrinterText::ReadField(const QString& text, QWidget* field,
                                                 Messages& messages) {
    auto bytes = FromField(text);
    return bytes ? bytes : Refuse(Unsendable(text, false), field, messages);
}

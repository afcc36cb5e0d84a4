#include "forms/PrinterText.h"

#include <QList>

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
    if (!UnsendableInField(text).isEmpty()) {
        return std::nullopt;
    }
    return text.toLatin1();
}

QString PrinterText::UnsendableInEditor(const QString& rawText) {
    return Unsendable(rawText, true);
}

QString PrinterText::RefusalText(const QString& unsendable) {
    return tr("The text holds characters the printer cannot take: %1\n"
              "Please use characters with one-byte codes only.")
        .arg(unsendable);
}

QString PrinterText::UnsendableInField(const QString& text) {
    return Unsendable(text, false);
}

#include "images/ImageCommands.h"

#include "forms/PrinterText.h"

std::optional<QByteArray> ImageCommands::Text(const QString& typed) {
    return PrinterText::FromField(typed);
}

QString ImageCommands::TextProblem(const QString& typed) {
    const QString unsendable = PrinterText::UnsendableInField(typed);
    if (unsendable.isEmpty()) {
        return {};
    }
    return PrinterText::RefusalText(unsendable);
}

QString ImageCommands::NameProblem(const QString& name) {
    for (const QChar c : name) {
        if (c == QLatin1Char('\'') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            return tr("An image name cannot contain a quote (') or a line break.");
        }
    }
    return TextProblem(name);
}

QByteArray ImageCommands::StoreHeader(qint64 size, const QString& name) {
    const std::optional<QByteArray> bytes = Text(name);
    return bytes ? "IS" + QByteArray::number(size) + ",'" + *bytes + "'" : QByteArray();
}

QByteArray ImageCommands::StoreTrailer(const QString& name) {
    const std::optional<QByteArray> bytes = Text(name);
    return bytes ? "\r\n\r\nIR100,100,'" + *bytes + "'\r\nP1\r\n" : QByteArray();
}

QByteArray ImageCommands::Delete(const QString& name) {
    const std::optional<QByteArray> bytes = Text(name);
    return bytes ? "ID'" + *bytes + "'II" : QByteArray();
}

QByteArray ImageCommands::DeleteAll() {
    return QByteArrayLiteral("ID*II");
}

QByteArray ImageCommands::Information() {
    return QByteArrayLiteral("II");
}

QByteArray ImageCommands::Recall(const QString& x, const QString& y, const QString& name) {
    const std::optional<QByteArray> xBytes = Text(x);
    const std::optional<QByteArray> yBytes = Text(y);
    const std::optional<QByteArray> nameBytes = Text(name);
    if (!xBytes || !yBytes || !nameBytes) {
        return {};
    }
    return "IR" + *xBytes + "," + *yBytes + ",'" + *nameBytes + "'\r\nP1\r\n";
}

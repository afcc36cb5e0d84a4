#include "images/ImageCommands.h"

QByteArray ImageCommands::Text(const QString& typed) {
    return typed.toLocal8Bit();
}

QString ImageCommands::NameProblem(const QString& name) {
    for (const QChar c : name) {
        if (c == QLatin1Char('\'') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            return tr("An image name cannot contain a quote (') or a line break.");
        }
    }
    return {};
}

QByteArray ImageCommands::StoreHeader(qint64 size, const QString& name) {
    return "IS" + QByteArray::number(size) + ",'" + Text(name) + "'";
}

QByteArray ImageCommands::StoreTrailer(const QString& name) {
    return "\r\n\r\nIR100,100,'" + Text(name) + "'\r\nP1\r\n";
}

QByteArray ImageCommands::Delete(const QString& name) {
    return "ID'" + Text(name) + "'II";
}

QByteArray ImageCommands::DeleteAll() {
    return QByteArrayLiteral("ID*II");
}

QByteArray ImageCommands::Information() {
    return QByteArrayLiteral("II");
}

QByteArray ImageCommands::Recall(const QString& x, const QString& y, const QString& name) {
    return "IR" + Text(x) + "," + Text(y) + ",'" + Text(name) + "'\r\nP1\r\n";
}

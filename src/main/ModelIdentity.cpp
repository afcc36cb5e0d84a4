#include "main/ModelIdentity.h"

#include "forms/Pacer.h"
#include "link/PrinterPort.h"

std::optional<ModelIdentity::Reply> ModelIdentity::Query(PrinterPort& port, Pacer& pacer) {
    port.DiscardInput();
    port.Write(kQuery);
    pacer.Pause(kReplyPauseMs);
    QByteArray reply(kReplyLength, '\0');
    const int count = port.ReadLine(reply, kReplyLength);
    if (count == 0) {
        return std::nullopt;
    }
    Reply result;
    result.name = NormalisedName(count > 0 ? reply.first(count) : QByteArray());
    result.index = IndexOf(result.name);
    return result;
}

const QStringList& ModelIdentity::ModelNames() {
    static const QStringList names = {QStringLiteral("KV-510"), QStringLiteral("KV-510II"),
                                      QStringLiteral("QX-M40"), QStringLiteral("QX-M43"),
                                      QStringLiteral("QX-R42"), QStringLiteral("QX-R45"),
                                      QStringLiteral("QX-R22"), QStringLiteral("QX-R25")};
    return names;
}

QString ModelIdentity::NormalisedName(const QByteArray& reply) {
    const qsizetype end = reply.indexOf('\0');
    QString name = QString::fromLatin1(end < 0 ? reply : reply.first(end));
    // Some firmware reports the M-series heads under their R part numbers.
    name.replace(QStringLiteral("-R40"), QStringLiteral("-M40"));
    name.replace(QStringLiteral("-R43"), QStringLiteral("-M43"));
    while (name.endsWith(QLatin1Char('\r')) || name.endsWith(QLatin1Char('\n'))) {
        name.chop(1);
    }
    return name;
}

int ModelIdentity::IndexOf(const QString& name) {
    const QStringList& names = ModelNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].compare(name, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

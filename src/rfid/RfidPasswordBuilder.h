#pragma once

#include <QString>

#include "rfid/RfidCommands.h"
#include "tester/CommandBuilder.h"

// The tester's password line: the access and kill passwords as a person enters them, four
// groups of two hexadecimal digits separated by dots.
class RfidPasswordBuilder : public CommandBuilder {
public:
    QList<QByteArray> Lines() const override {
        // The dots dropped; without the CR LF that the tester adds itself.
        return {RfidCommands::SetPasswords(RfidCommands::Password(access).toLatin1(),
                                           RfidCommands::Password(kill).toLatin1(),
                                           RfidCommands::LineEnd::None)};
    }

    // What a field shows after a keystroke left `typed` in it: a dot follows every second
    // character of the first three groups, so that eight digits read as four dotted groups.
    static QString Dotted(const QString& typed) {
        const qsizetype size = typed.size();
        return size == 2 || size == 5 || size == 8 ? typed + QLatin1Char('.') : typed;
    }

    QString access = QStringLiteral("5E.3A.91.C7");
    QString kill = QStringLiteral("5E.3A.91.C7");
};

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

class Messages;

// The access and kill passwords as the forms take them: what a person typed, without its dots,
// must be eight hexadecimal digits.
class PasswordEntry {
    Q_DECLARE_TR_FUNCTIONS(PasswordEntry)
public:
    struct Passwords {
        QByteArray access;
        QByteArray kill;
    };

    // Both passwords as the command carries them; nothing, after a warning naming the first
    // wrong one (its length first, then its digits), when one is not eight hexadecimal digits.
    static std::optional<Passwords> Read(const QString& access, const QString& kill,
                                         Messages& messages);

private:
    static std::optional<QByteArray> ReadOne(const QString& entered, const QString& invalid,
                                             Messages& messages);
};

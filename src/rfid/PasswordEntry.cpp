#include "rfid/PasswordEntry.h"

#include "forms/Messages.h"
#include "rfid/RfidCommands.h"

std::optional<PasswordEntry::Passwords> PasswordEntry::Read(const QString& access,
                                                            const QString& kill,
                                                            Messages& messages) {
    const auto accessBytes = ReadOne(access, tr("Value of access is invalid!"), messages);
    if (!accessBytes) {
        return std::nullopt;
    }
    const auto killBytes = ReadOne(kill, tr("Value of kill is invalid!"), messages);
    if (!killBytes) {
        return std::nullopt;
    }
    return Passwords{*accessBytes, *killBytes};
}

std::optional<QByteArray> PasswordEntry::ReadOne(const QString& entered, const QString& invalid,
                                                 Messages& messages) {
    const QString password = RfidCommands::Password(entered);
    if (password.size() != RfidCommands::kPasswordLength) {
        messages.Warning(invalid);
        return std::nullopt;
    }
    // The encoder takes the password as hexadecimal digits; anything else would set a password
    // nobody could type again.
    if (!RfidCommands::IsHexDigits(password)) {
        messages.Warning(invalid + QLatin1Char('\n') +
                         tr("Use the hexadecimal digits 0-9 and A-F only."));
        return std::nullopt;
    }
    return password.toLatin1();
}

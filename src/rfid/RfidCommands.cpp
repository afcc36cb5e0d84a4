#include "rfid/RfidCommands.h"

#include "rfid/LockPayload.h"

namespace {

QByteArrayView Ending(RfidCommands::LineEnd end) {
    switch (end) {
        case RfidCommands::LineEnd::Tester:
            return "\r\n";
        case RfidCommands::LineEnd::None:
            return {};
        case RfidCommands::LineEnd::Form:
            break;
    }
    return "\r";
}

// ">RFW," or ">RFw,": the letter's case names the tag kind.
QByteArray Head(char letter, RfidCommands::TagKind kind) {
    QByteArray head(">RF");
    head += kind == RfidCommands::TagKind::Metal ? static_cast<char>(letter - 'A' + 'a') : letter;
    head += ',';
    return head;
}

QByteArrayView EpcSelector(RfidCommands::DataType type) {
    return type == RfidCommands::DataType::Ascii ? QByteArrayView("A,") : QByteArrayView("H,");
}

}  // namespace

QByteArray RfidCommands::SetSettings(const Settings& settings) {
    QByteArray command(">RFS,");
    if (settings.tagType) {
        command += *settings.tagType == TagType::Gen2 ? "5," : "2,";
    }
    command += QByteArray::number(settings.retries) + ',' + QByteArray::number(settings.labels) +
               ',' + QByteArray::number(settings.power) + '\r';
    command += ">RFTP," + settings.transponderPosition + '\r';
    return command;
}

QByteArray RfidCommands::Query(int item) {
    return ">RFI," + QByteArray::number(item) + '\r';
}

QByteArray RfidCommands::Unlock(LineEnd end) {
    return ">RFUL" + Ending(end).toByteArray();
}

QByteArray RfidCommands::Lock(LineEnd end) {
    return ">RFLK" + Ending(end).toByteArray();
}

QByteArray RfidCommands::Kill(LineEnd end) {
    return ">RFKL" + Ending(end).toByteArray();
}

QByteArray RfidCommands::SetPasswords(QByteArrayView access, QByteArrayView kill, LineEnd end) {
    QByteArray command(">RFZ,'");
    command += kFixedPasswordField;
    command += ',';
    command += kFixedPasswordField;
    command += ',';
    command += access;
    command += ',';
    command += kill;
    command += '\'';
    command += Ending(end);
    return command;
}

QByteArray RfidCommands::WriteData(TagKind kind, Memory memory, DataType type, int start, int count,
                                   QByteArrayView data, LineEnd end) {
    QByteArray command = Head('W', kind);
    command += memory == Memory::User ? QByteArrayView("U,") : EpcSelector(type);
    command += QByteArray::number(start) + ',' + QByteArray::number(count) + ",'";
    command += data;
    command += '\'';
    command += Ending(end);
    return command;
}

QByteArray RfidCommands::ReadData(TagKind kind, Memory memory, DataType type, int start, int count,
                                  Output output, LineEnd end) {
    QByteArray command = Head('R', kind);
    if (memory == Memory::User) {
        command += kind == TagKind::Metal ? "u," : "U,";
    } else {
        command += EpcSelector(type);
    }
    command += QByteArray::number(start) + ',' + QByteArray::number(count) + ',';
    command += output == Output::Print ? 'P' : 'S';
    command += Ending(end);
    return command;
}

QByteArray RfidCommands::SetLockPayload(LockMode mode, const LockPayload& payload, LineEnd end) {
    QByteArray command(">RFLP,");
    command += mode == LockMode::Unlock ? "U,'" : "L,'";
    command += payload.Text();
    command += '\'';
    command += Ending(end);
    return command;
}

QString RfidCommands::Password(const QString& entered) {
    QString password = entered;
    password.remove(QLatin1Char('.'));
    return password;
}

bool RfidCommands::IsHexDigits(const QString& text) {
    for (const QChar c : text) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const QChar upper = c.toUpper();
        if (!digit && !(upper >= QLatin1Char('A') && upper <= QLatin1Char('F'))) {
            return false;
        }
    }
    return true;
}

bool RfidCommands::IsPrintableAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) {
            return false;
        }
    }
    return true;
}

bool RfidCommands::IsDataText(DataType type, const QString& text) {
    if (type == DataType::Hex) {
        return IsHexDigits(text);
    }
    return IsPrintableAscii(text) && !text.contains(QLatin1Char('\''));
}

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

class LockPayload;

// The RFID encoder's text commands, byte for byte. A form sends a command ending in CR; a tester
// line ends in CR LF, the editor's line end.
class RfidCommands {
public:
    // Form: CR; Tester: CR LF, a line of the tester's editor; None: a builder's line, whose CR LF
    // the tester adds when it inserts the line.
    enum class LineEnd { Form, Tester, None };
    enum class TagType { Gen2, IsoB };
    enum class TagKind { Label, Metal };  // the letter after ">RF": upper case for labels
    enum class Memory { Epc, User };
    enum class DataType { Hex, Ascii };
    enum class Output { Send, Print };  // the read's data come back to us, or are printed
    enum class LockMode { Lock, Unlock };

    static constexpr int kQueryCount = 7;
    static constexpr int kPasswordLength = 8;
    // The fixed field the password command carries twice before the two passwords.
    static constexpr QByteArrayView kFixedPasswordField{"5E3A91C7"};

    struct Settings {
        std::optional<TagType> tagType;  // none: the command carries three numbers
        int retries = 0;
        int labels = 0;
        int power = 1;
        QByteArray transponderPosition;
    };

    // ">RFS,…" and ">RFTP,…" in one piece, as one write.
    static QByteArray SetSettings(const Settings& settings);
    // ">RFI,n\r" for the items 1 to 7.
    static QByteArray Query(int item);
    static QByteArray ResetCounters() { return QByteArrayLiteral(">RFVR\r"); }
    static QByteArray AutoCalibration() { return QByteArrayLiteral(">RFCP\r"); }
    static QByteArray Unlock(LineEnd end = LineEnd::Form);
    static QByteArray Lock(LineEnd end = LineEnd::Form);
    static QByteArray Kill(LineEnd end = LineEnd::Form);
    // Both passwords as eight characters each (see Password()).
    static QByteArray SetPasswords(QByteArrayView access, QByteArrayView kill,
                                   LineEnd end = LineEnd::Form);
    // The data go out as they are: nothing is escaped or measured against `count`.
    static QByteArray WriteData(TagKind kind, Memory memory, DataType type, int start, int count,
                                QByteArrayView data, LineEnd end = LineEnd::Form);
    static QByteArray ReadData(TagKind kind, Memory memory, DataType type, int start, int count,
                               Output output, LineEnd end = LineEnd::Form);
    static QByteArray SetLockPayload(LockMode mode, const LockPayload& payload,
                                     LineEnd end = LineEnd::Form);
    static QByteArray PrintOneLabel() { return QByteArrayLiteral("P1\r"); }

    // The characters a read with output "S" sends back: two per byte in hex, one in ASCII.
    static int ReplyLength(DataType type, int count) {
        return type == DataType::Hex ? 2 * count : count;
    }

    // A password as shown (four dotted groups of two) without its dots; the command needs exactly
    // kPasswordLength characters, which the caller checks.
    static QString Password(const QString& entered);
    static bool IsHexDigits(const QString& text);
    // Letters, digits and signs of ASCII: what a command's text field can carry.
    static bool IsPrintableAscii(const QString& text);
    // What tag data may hold: hex digits, or printable ASCII without the apostrophe that closes
    // the data (the command has no escape for it).
    static bool IsDataText(DataType type, const QString& text);
};

#include "settings/SettingsProtocol.h"

#include <algorithm>
#include <limits>

#include "forms/Pacer.h"
#include "link/PrinterPort.h"

namespace {

constexpr int kMaxSwitch = 4;
constexpr int kSignedReplyLength = 7;
// The raw byte that stands for "all" in the initialise requests.
constexpr char kAllByte = 0x0F;

bool IsDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

char Digit(int value) {
    return static_cast<char>('0' + value);
}

// Indexed by SettingsProtocol::UserValue.
constexpr QByteArrayView kUserValueQueries[] = {
    "^PI5,0\r\n", "^PI4,1\r\n", "^PI5,1\r\n", "^PI5,3\r\n", "^PI5,4\r\n", "^PI5,2\r\n",
};

}  // namespace

char SettingsProtocol::InterfaceDigit(PortKind kind) {
    switch (kind) {
        case PortKind::Serial:
            return '1';
        case PortKind::Usb:
            return '3';
        case PortKind::Parallel:
        case PortKind::Ethernet:
            break;
    }
    return '2';
}

char SettingsProtocol::InterfaceDigit() const {
    return InterfaceDigit(port_.Kind());
}

int SettingsProtocol::Read(QByteArray& buffer, int length, qsizetype offset, ReadEnd end) {
    return std::max(port_.Read(buffer, length, offset, end), 0);
}

SettingsProtocol::SwitchReply SettingsProtocol::ReadSwitch(MemorySwitch which, int pauseMs) {
    const int number = static_cast<int>(which);
    if (number < 1 || number > kMaxSwitch) {
        return {};
    }
    QByteArray request("^MBR");
    request += Digit(number);
    request += ',';
    request += InterfaceDigit();
    const BytesReply reply = QueryBytes(request, pauseMs, 1);
    return {reply.count > 0, static_cast<std::uint8_t>(reply.bytes[0])};
}

bool SettingsProtocol::WriteSwitch(MemorySwitch which, std::uint8_t value, bool terminator) {
    const int number = static_cast<int>(which);
    if (number < 1 || number > kMaxSwitch) {
        return false;
    }
    QByteArray set("^MBS");
    set += Digit(number);
    set += ',';
    set += static_cast<char>(value);
    if (terminator) {
        set += '\r';
    }
    // Applying without the new byte would apply whatever the printer holds.
    if (!SendRequest(set)) {
        return false;
    }
    QByteArray apply("^MBA");
    apply += static_cast<char>(number);
    apply += '\r';
    return SendRequest(apply);
}

bool SettingsProtocol::SetUserValue(UserValue which, std::int32_t value) {
    QByteArray request("^MBU");
    request += Digit(static_cast<int>(which));
    request += ',';
    request += QByteArray::number(value);
    request += '\r';
    return SendRequest(request);
}

QByteArrayView SettingsProtocol::UserValueQuery(UserValue which) {
    return kUserValueQueries[static_cast<std::size_t>(which)];
}

bool SettingsProtocol::InitialiseUserSettings() {
    QByteArray request("^MBU");
    request += kAllByte;
    request += ",99\r";
    return SendRequest(request);
}

bool SettingsProtocol::SetCheckLabelLength(bool enable) {
    return SendRequest(enable ? QByteArrayView("^MBL1") : QByteArrayView("^MBL0"));
}

SettingsProtocol::TextReply SettingsProtocol::QueryText(QByteArrayView request, int pauseMs,
                                                        int length) {
    const BytesReply reply = QueryBytes(request, pauseMs, length, ReadEnd::LineEnd);
    QByteArray text = reply.bytes.left(reply.count);
    if (const qsizetype zero = text.indexOf('\0'); zero >= 0) {
        text.truncate(zero);
    }
    return {reply.count > 0, text};
}

SettingsProtocol::SignedReply SettingsProtocol::DecodeSigned(QByteArrayView reply) {
    SignedReply result;
    result.received = !reply.isEmpty();
    if (reply.isEmpty()) {
        return result;
    }
    result.negative = reply[0] == '-';
    // Three digits after the sign make the value; a shorter run ("-5\r\n") counts as far as it
    // goes instead of turning the line end into digits.
    qsizetype digits = 0;
    while (digits < 3 && 1 + digits < reply.size() && IsDigit(reply[1 + digits])) {
        result.magnitude = result.magnitude * 10 + (reply[1 + digits] - '0');
        ++digits;
    }
    result.wellFormed = digits > 0;
    if (!result.wellFormed) {
        result.negative = false;
    }
    return result;
}

SettingsProtocol::SignedReply SettingsProtocol::QuerySigned(QByteArrayView request) {
    const BytesReply reply =
        QueryBytes(request, kReplyPauseMs, kSignedReplyLength, ReadEnd::LineEnd);
    SignedReply result = DecodeSigned(QByteArrayView(reply.bytes).first(reply.count));
    result.received = reply.count > 0;
    return result;
}

bool SettingsProtocol::SetSigned(QByteArrayView letters, bool negative, QByteArrayView digits) {
    QByteArray request = letters.toByteArray();
    request += negative ? '-' : '+';
    request += digits;
    request += "\r\n";
    return SendRequest(request);
}

SettingsProtocol::BytesReply SettingsProtocol::QueryBytes(QByteArrayView request, int pauseMs,
                                                          int length, ReadEnd end) {
    port_.DiscardInput();
    // The reply is read even when the link reported a failed write.
    SendRequest(request);
    pacer_.Pause(pauseMs);
    QByteArray buffer(std::max(kReplyBufferSize, length), '\0');
    const int count = Read(buffer, length, 0, end);
    return {count, buffer};
}

bool SettingsProtocol::SendRequest(QByteArrayView request) {
    return port_.Write(request) != 0;
}

SettingsProtocol::TextReply SettingsProtocol::ReadIdentification(Identification which) {
    switch (which) {
        case Identification::HardwareVersion:
            return QueryText("^MBX0\r\n", 100, 7);
        case Identification::SerialNumber:
            return QueryText("^MBX1\r", 1000, 18);
        case Identification::PrinterId:
            return QueryText("^MBX2\r", 100, 12);
    }
    return {};
}

bool SettingsProtocol::StoreIdentification(Identification which, QByteArrayView text) {
    QByteArray request("^MBY");
    request += Digit(static_cast<int>(which));
    request += ',';
    request += text;
    request += "\r\n";
    return SendToFlash(request);
}

bool SettingsProtocol::InitialiseIdentification(Identification which) {
    QByteArray request("^MBY");
    request += kAllByte;
    request += ',';
    request += Digit(static_cast<int>(which));
    request += "\r\n";
    return SendToFlash(request);
}

bool SettingsProtocol::SendToFlash(QByteArrayView request) {
    const bool sent = SendRequest(request);
    // The printer writes the text to its flash and takes no command meanwhile.
    pacer_.Pause(kIdentificationStorePauseMs);
    return sent;
}

qint64 SettingsProtocol::SensingPauseMs(PortKind kind, int dots) {
    const qint64 perDot = kind == PortKind::Serial ? 4 : 6;
    return perDot * std::max(dots, 0);
}

SettingsProtocol::ExactReply SettingsProtocol::ReadSensing(
    int dots, SensingType type, const std::function<void()>& beforeDiscard) {
    QByteArray request("^MXd,");
    request += QByteArray::number(dots);
    request += type == SensingType::Gap ? ",G\r" : ",B\r";
    port_.DiscardInput();
    SendRequest(request);
    pacer_.Pause(static_cast<int>(
        std::min<qint64>(SensingPauseMs(port_.Kind(), dots), std::numeric_limits<int>::max())));

    const BytesReply reply = ReadSensingReply(SensingInPieces(port_.Kind(), port_.UsbModelIndex()));
    if (reply.count == kSensingReplyLength) {
        return {true, reply.bytes};
    }
    if (beforeDiscard) {
        beforeDiscard();
    }
    QByteArray discard(kSensingReplyLength, '\0');
    Read(discard, kSensingReplyLength);
    return {false, reply.bytes};
}

bool SettingsProtocol::SensingInPieces(PortKind kind, int usbModelIndex) {
    return kind == PortKind::Usb && usbModelIndex >= 0 && usbModelIndex <= 3;
}

SettingsProtocol::BytesReply SettingsProtocol::ReadSensingReply(bool inPieces) {
    QByteArray buffer(kSensingReplyLength, '\0');
    if (!inPieces) {
        return {Read(buffer, kSensingReplyLength), buffer};
    }
    int count = 0;
    for (int offset = 0; offset < kSensingReplyLength; offset += kUsbSensingPiece) {
        pacer_.Pause(kUsbSensingPiecePauseMs);
        const int piece = std::min(Read(buffer, kUsbSensingPiece, offset), kUsbSensingPiece);
        count += piece;
        if (piece != kUsbSensingPiece) {
            break;
        }
    }
    return {count, buffer};
}

bool SettingsProtocol::StoreCalibration(int middleValue, int gapCount) {
    QByteArray request("^MXs,");
    request += QByteArray::number(middleValue);
    request += ',';
    request += QByteArray::number(gapCount);
    request += '\r';
    return SendRequest(request);
}

bool SettingsProtocol::CancelCalibration() {
    return SendRequest("^MXc\r");
}

std::array<std::uint16_t, SettingsProtocol::kSensingBuckets> SettingsProtocol::SensingCounts(
    QByteArrayView reply) {
    std::array<std::uint16_t, kSensingBuckets> counts{};
    for (int i = 0; i < kSensingBuckets && 2 * i + 1 < reply.size(); ++i) {
        const auto low = static_cast<std::uint8_t>(reply[2 * i]);
        const auto high = static_cast<std::uint8_t>(reply[2 * i + 1]);
        counts[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(low | (high << 8));
    }
    return counts;
}

SettingsProtocol::ExactReply SettingsProtocol::QueryExact(
    QByteArrayView request, int pauseMs, int length,
    const std::function<bool(const QByteArray&)>& wellFormed,
    const std::function<void()>& beforeDiscard) {
    BytesReply reply = QueryBytes(request, pauseMs, length);
    if (reply.count == length && (!wellFormed || wellFormed(reply.bytes))) {
        return {true, reply.bytes};
    }
    if (beforeDiscard) {
        beforeDiscard();
    }
    // A late reply lands in the same buffer, so the page can still show it.
    Read(reply.bytes, length);
    return {false, reply.bytes};
}

SettingsProtocol::ExactReply SettingsProtocol::QueryStatus(
    Status which, const std::function<void()>& beforeDiscard) {
    switch (which) {
        case Status::ErrorsAndJob:
            return QueryExact("^cp\r", 50, 2, {}, beforeDiscard);
        case Status::Errors:
            return QueryExact("^cu\r", 50, 1, {}, beforeDiscard);
        case Status::ErrorCode:
            return QueryExact(
                "^ee\r", 30, 4,
                [](const QByteArray& bytes) { return bytes[2] == '\r' && bytes[3] == '\n'; },
                beforeDiscard);
        case Status::MechanismErrors:
            return QueryExact("CPS\r", 50, 1, {}, beforeDiscard);
    }
    return {};
}

QByteArray SettingsProtocol::StripLineEnds(QByteArray text) {
    while (!text.isEmpty() && (text.back() == '\r' || text.back() == '\n')) {
        text.chop(1);
    }
    return text;
}

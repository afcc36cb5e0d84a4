#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <functional>

#include "link/PortDevice.h"
#include "link/PortKind.h"

class Pacer;
class PrinterPort;

// The short request/reply exchanges with the printer's stored settings, its information queries,
// the media sensing calibration and the status checks: write a request, pause a fixed time, read
// a fixed number of bytes. Nothing is kept between calls. The printer acknowledges no setting, so
// a write is judged only by what the link reports.
//
// Every query first drops whatever the printer sent that nobody read: a reply that came after
// its own query gave up would otherwise be taken for the next query's answer. A text reply's
// read ends at its line feed; raw bytes are read up to their length; the link's time-out bounds
// both.
class SettingsProtocol {
public:
    // One Ethernet read may deliver this many bytes whatever length was asked.
    static constexpr int kReplyBufferSize = 32;
    static constexpr int kSensingReplyLength = 64;
    static constexpr int kSensingBuckets = 32;
    static constexpr int kReplyPauseMs = 10;
    static constexpr int kLanguageSwitchPauseMs = 50;
    static constexpr int kIdentificationStorePauseMs = 5700;
    static constexpr int kUsbSensingPiece = 16;
    static constexpr int kUsbSensingPiecePauseMs = 100;

    // Requests the pages send as they are.
    static constexpr QByteArrayView kModelNameQuery{"^PI0"};
    static constexpr QByteArrayView kModelTypeQuery{"^PI1"};
    static constexpr QByteArrayView kFirmwareQuery{"^PI2"};
    static constexpr QByteArrayView kHeadTemperatureQuery{"^PI4,0"};
    static constexpr QByteArrayView kPrintOffsetQuery{"^SA\r\n"};
    static constexpr QByteArrayView kTearOffQuery{"^PI4,2\r\n"};
    static constexpr QByteArrayView kPrintOffsetLetters{"SA"};
    static constexpr QByteArrayView kTearOffLetters{"TA"};

    // The numbered values written with "^MBU".
    enum class UserValue {
        PaperWidth = 0,
        PrintDensity = 1,
        PaperLength = 2,
        HorizontalMargin = 3,
        VerticalMargin = 4,
        GapLength = 5,
    };
    enum class Identification { HardwareVersion = 0, SerialNumber = 1, PrinterId = 2 };
    enum class SensingType { Gap, BlackMark };
    // The memory switches by what the pages keep in them; the value is the switch's number.
    enum class MemorySwitch {
        CodePage = 1,
        SerialLine = 2,
        SpeedAndCharacterSet = 3,  // the speed in bits 5-7; the language page reads it whole
        StrobeAndGapDetect = 4,
    };
    // The four status requests, by what the printer answers.
    enum class Status {
        ErrorsAndJob,     // "^cp": two bytes, the error bits and the state of the label in hand
        Errors,           // "^cu": one byte, the error bits alone
        ErrorCode,        // "^ee": the last error as two code characters and a line end (serial)
        MechanismErrors,  // "CPS": one byte, cover, paper, jam and head temperature bits
    };

    struct SwitchReply {
        bool received = false;
        std::uint8_t value = 0;
    };
    struct TextReply {
        bool received = false;
        QByteArray text;  // the bytes received up to the first zero byte
    };
    struct SignedReply {
        bool received = false;
        // False when no digit follows the sign: a reply that cannot be a value.
        bool wellFormed = false;
        bool negative = false;
        std::int32_t magnitude = 0;
    };
    struct BytesReply {
        int count = 0;     // bytes delivered (never negative)
        QByteArray bytes;  // the zero-filled reply buffer, at least kReplyBufferSize long
    };
    struct ExactReply {
        bool exact = false;  // the reply had exactly its length (and form)
        QByteArray bytes;    // the reply buffer, also after the discarding read of a failure
    };

    SettingsProtocol(PrinterPort& port, Pacer& pacer) : port_(port), pacer_(pacer) {}

    // The digit that ends a memory-switch read, by the kind of link in use.
    char InterfaceDigit() const;
    static char InterfaceDigit(PortKind kind);

    SwitchReply ReadSwitch(MemorySwitch which, int pauseMs);
    // Sends the byte, then the request that applies it; false (and no apply request) when the
    // link did not take the byte.
    bool WriteSwitch(MemorySwitch which, std::uint8_t value, bool terminator);

    bool SetUserValue(UserValue which, std::int32_t value);
    // The request that reads a user value back.
    static QByteArrayView UserValueQuery(UserValue which);
    bool InitialiseUserSettings();
    bool SetCheckLabelLength(bool enable);

    TextReply QueryText(QByteArrayView request, int pauseMs, int length);
    SignedReply QuerySigned(QByteArrayView request);
    bool SetSigned(QByteArrayView letters, bool negative, QByteArrayView digits);
    // Raw bytes by default; a text reply with ReadEnd::LineEnd.
    BytesReply QueryBytes(QByteArrayView request, int pauseMs, int length,
                          ReadEnd end = ReadEnd::Length);
    bool SendRequest(QByteArrayView request);

    // Identification texts.
    TextReply ReadIdentification(Identification which);
    bool StoreIdentification(Identification which, QByteArrayView text);
    bool InitialiseIdentification(Identification which);

    // Calibration. A sensing reply of other than 64 bytes is a failure: `beforeDiscard` runs
    // (to show the warning), then one more read of 64 bytes takes a late reply off the link.
    ExactReply ReadSensing(int dots, SensingType type,
                           const std::function<void()>& beforeDiscard = {});
    bool StoreCalibration(int middleValue, int gapCount);
    bool CancelCalibration();
    static qint64 SensingPauseMs(PortKind kind, int dots);
    // Whether the printer hands the distribution over in four 16-byte pieces: the USB models
    // 0 to 3.
    static bool SensingInPieces(PortKind kind, int usbModelIndex);
    // The read half of a sensing exchange: 64 bytes in one read, or in four pieces each after
    // a pause, stopping at the first piece that is short.
    BytesReply ReadSensingReply(bool inPieces);
    static std::array<std::uint16_t, kSensingBuckets> SensingCounts(QByteArrayView reply);

    // Status checks, with the same failure handling as the sensing read.
    ExactReply QueryStatus(Status which, const std::function<void()>& beforeDiscard = {});

    // Any run of "\r" and "\n" at the end removed.
    static QByteArray StripLineEnds(QByteArray text);
    // A sign character and three decimal digits; fewer digits are read as far as they go.
    static SignedReply DecodeSigned(QByteArrayView reply);

private:
    // A socket error counts as nothing received.
    int Read(QByteArray& buffer, int length, qsizetype offset = 0, ReadEnd end = ReadEnd::Length);
    // Writes an identification request and waits while the printer stores it.
    bool SendToFlash(QByteArrayView request);
    ExactReply QueryExact(QByteArrayView request, int pauseMs, int length,
                          const std::function<bool(const QByteArray&)>& wellFormed,
                          const std::function<void()>& beforeDiscard);

    PrinterPort& port_;
    Pacer& pacer_;
};

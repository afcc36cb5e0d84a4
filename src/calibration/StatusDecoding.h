#pragma once

#include <QByteArrayView>
#include <set>

#include "settings/SettingsProtocol.h"

// What the four status replies report, as the boxes a status page ticks. The rules only: which
// boxes a reply buffer stands for, whatever page shows them.
class StatusDecoding {
public:
    using Status = SettingsProtocol::Status;

    enum class Box {
        // Error bits of "^cp" (first byte), "^cu" and, by their own bits, "CPS".
        PaperEmpty,
        CoverOpen,
        CutterJammed,
        HeadOverheat,
        GapDetectionError,
        RibbonEndError,
        // The label in hand ("^cp", second byte).
        BuildingLabel,
        PrintingLabel,
        LabelPaused,
        // "CPS" only.
        PaperJam,
        NotDefinedBit4,
        NotDefinedBit5,
        NotDefinedBit6,
        NotDefinedBit7,
        // Every bit of the reply clear.
        StatusOk,
        // The last error of "^ee": exactly one box per known code pair.
        NoError,
        SyntaxError,
        ExceededBorder,
        BarcodeError,
        InsufficientMemory,
        MemoryError,
        SerialError,
        Empty,
        DuplicateName,
        NameNotFound,
        NotInDataEntry,
        PrintHeadUp,
        PauseMode,
        PrinterBusy,
        Undefined,
        CutterJammedCode,
        AutoSense,
        IllegalInterrupt,
        ExcessiveFeeding,
    };
    using Boxes = std::set<Box>;

    // The code pair that stands for "Name Not Found": the next code after "Duplicate Name".
    static constexpr char kNameNotFoundGroup = '0';
    static constexpr char kNameNotFoundCode = '9';

    // The boxes a reply buffer reports. The buffer is the one the request was read into (zero
    // filled past what came); bytes it lacks count as zero.
    static Boxes Decode(Status request, QByteArrayView reply);

    static Boxes ErrorsAndJob(QByteArrayView reply);
    static Boxes Errors(QByteArrayView reply);
    static Boxes MechanismErrors(QByteArrayView reply);
    // The pair of code characters at the start of the reply; a pair no table row names ticks
    // nothing (so does a buffer still all zero).
    static Boxes ErrorCode(QByteArrayView reply);
};

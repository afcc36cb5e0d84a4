// Which boxes each status reply ticks: the bits of "^cp", "^cu" and "CPS" with their "Status OK",
// and the code pairs of "^ee".
#include <gtest/gtest.h>

#include <QByteArray>
#include <algorithm>

#include "calibration/StatusDecoding.h"

namespace {

using Box = StatusDecoding::Box;
using Boxes = StatusDecoding::Boxes;
using Status = StatusDecoding::Status;

struct Case {
    const char* what;
    Status request;
    QByteArray reply;
    Boxes ticked;
};

// The buffer a page reads into: the reply, zero filled to the size the link hands back.
QByteArray Buffer(const QByteArray& reply) {
    QByteArray buffer = reply;
    buffer.resize(std::max<qsizetype>(reply.size(), SettingsProtocol::kReplyBufferSize), '\0');
    return buffer;
}

TEST(StatusDecoding, BitRepliesTickTheirBoxesAndStatusOkOnlyWhenAllClear) {
    const QByteArray zeroPair(2, '\0');
    const Case cases[] = {
        {.what = "^cp cover open",
         .request = Status::ErrorsAndJob,
         .reply = QByteArray("\x40\0", 2),
         .ticked = {Box::CoverOpen}},
        {.what = "^cp printing",
         .request = Status::ErrorsAndJob,
         .reply = QByteArray("\0\x40", 2),
         .ticked = {Box::PrintingLabel}},
        {.what = "^cp all clear",
         .request = Status::ErrorsAndJob,
         .reply = zeroPair,
         .ticked = {Box::StatusOk}},
        {.what = "^cp every named bit",
         .request = Status::ErrorsAndJob,
         .reply = "\xFC\xE0",
         .ticked = {Box::PaperEmpty, Box::CoverOpen, Box::CutterJammed, Box::HeadOverheat,
                    Box::GapDetectionError, Box::RibbonEndError, Box::BuildingLabel,
                    Box::PrintingLabel, Box::LabelPaused}},
        {.what = "^cp building and paused, first byte clear",
         .request = Status::ErrorsAndJob,
         .reply = QByteArray("\0\xA0", 2),
         .ticked = {Box::BuildingLabel, Box::LabelPaused}},
        // Bits without a box of their own are not "all clear".
        {.what = "^cp unnamed bits only",
         .request = Status::ErrorsAndJob,
         .reply = "\x03\x1F",
         .ticked = {}},
        {.what = "^cp nothing received",
         .request = Status::ErrorsAndJob,
         .reply = QByteArray(),
         .ticked = {Box::StatusOk}},
        {.what = "^cu paper empty and ribbon end",
         .request = Status::Errors,
         .reply = "\x84",
         .ticked = {Box::PaperEmpty, Box::RibbonEndError}},
        {.what = "^cu all clear",
         .request = Status::Errors,
         .reply = QByteArray(1, '\0'),
         .ticked = {Box::StatusOk}},
        {.what = "^cu has no job byte: a second byte is not its concern",
         .request = Status::Errors,
         .reply = QByteArray("\0\x40", 2),
         .ticked = {Box::StatusOk}},
        {.what = "^cu every bit",
         .request = Status::Errors,
         .reply = "\xFF",
         .ticked = {Box::PaperEmpty, Box::CoverOpen, Box::CutterJammed, Box::HeadOverheat,
                    Box::GapDetectionError, Box::RibbonEndError}},
        {.what = "CPS cover open and paper empty",
         .request = Status::MechanismErrors,
         .reply = "\x03",
         .ticked = {Box::CoverOpen, Box::PaperEmpty}},
        {.what = "CPS bit 0x10",
         .request = Status::MechanismErrors,
         .reply = "\x10",
         .ticked = {Box::NotDefinedBit4}},
        {.what = "CPS jam and head",
         .request = Status::MechanismErrors,
         .reply = "\x0C",
         .ticked = {Box::PaperJam, Box::HeadOverheat}},
        {.what = "CPS every bit",
         .request = Status::MechanismErrors,
         .reply = "\xFF",
         .ticked = {Box::CoverOpen, Box::PaperEmpty, Box::PaperJam, Box::HeadOverheat,
                    Box::NotDefinedBit4, Box::NotDefinedBit5, Box::NotDefinedBit6,
                    Box::NotDefinedBit7}},
        {.what = "CPS all clear",
         .request = Status::MechanismErrors,
         .reply = QByteArray(1, '\0'),
         .ticked = {Box::StatusOk}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StatusDecoding::Decode(c.request, Buffer(c.reply)), c.ticked) << c.what;
        // A buffer cut short at the reply reads the same as the zero-filled one.
        EXPECT_EQ(StatusDecoding::Decode(c.request, c.reply), c.ticked) << c.what << " (short)";
    }
}

TEST(StatusDecoding, ErrorCodePairsTickTheirOneBox) {
    const struct {
        const char* what;
        QByteArray reply;
        Boxes ticked;
    } cases[] = {
        {.what = "00", .reply = "00\r\n", .ticked = {Box::NoError}},
        {.what = "01", .reply = "01\r\n", .ticked = {Box::SyntaxError}},
        {.what = "02", .reply = "02\r\n", .ticked = {Box::ExceededBorder}},
        {.what = "03", .reply = "03\r\n", .ticked = {Box::BarcodeError}},
        {.what = "04", .reply = "04\r\n", .ticked = {Box::InsufficientMemory}},
        {.what = "05", .reply = "05\r\n", .ticked = {Box::MemoryError}},
        {.what = "06", .reply = "06\r\n", .ticked = {Box::SerialError}},
        {.what = "07", .reply = "07\r\n", .ticked = {Box::Empty}},
        {.what = "08", .reply = "08\r\n", .ticked = {Box::DuplicateName}},
        {.what = "09", .reply = "09\r\n", .ticked = {Box::NameNotFound}},
        {.what = "10", .reply = "10\r\n", .ticked = {Box::NotInDataEntry}},
        {.what = "11", .reply = "11\r\n", .ticked = {Box::PrintHeadUp}},
        {.what = "12", .reply = "12\r\n", .ticked = {Box::PauseMode}},
        {.what = "50", .reply = "50\r\n", .ticked = {Box::PrinterBusy}},
        {.what = "20", .reply = "20\r\n", .ticked = {Box::Undefined}},
        {.what = "91", .reply = "91\r\n", .ticked = {Box::CutterJammedCode}},
        {.what = "A2", .reply = "A2\r\n", .ticked = {Box::AutoSense}},
        {.what = "23", .reply = "23\r\n", .ticked = {Box::IllegalInterrupt}},
        {.what = "74", .reply = "74\r\n", .ticked = {Box::ExcessiveFeeding}},
        // Known groups do not fall back on the table of the other groups.
        {.what = "15", .reply = "15\r\n", .ticked = {}},
        {.what = "13", .reply = "13\r\n", .ticked = {}},
        {.what = "51", .reply = "51\r\n", .ticked = {}},
        {.what = "0A", .reply = "0A\r\n", .ticked = {}},
        {.what = "25", .reply = "25\r\n", .ticked = {}},
        {.what = "silent printer", .reply = QByteArray(), .ticked = {}},
        // Only the pair counts: a broken line end is the page's failure, not the decoding's.
        {.what = "06 without line end", .reply = "06", .ticked = {Box::SerialError}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StatusDecoding::Decode(Status::ErrorCode, Buffer(c.reply)), c.ticked) << c.what;
    }
}

// Whatever two bytes come, "^ee" ticks one box at most, and "Name Not Found" answers its own
// pair only.
TEST(StatusDecoding, NoErrorCodePairTicksMoreThanOneBoxNorNameNotFoundByAccident) {
    for (int group = 0; group < 256; ++group) {
        for (int code = 0; code < 256; ++code) {
            const char bytes[] = {static_cast<char>(group), static_cast<char>(code), '\r', '\n'};
            const QByteArray reply(bytes, sizeof bytes);
            const Boxes boxes = StatusDecoding::ErrorCode(reply);
            ASSERT_LE(boxes.size(), 1u) << group << ' ' << code;
            const bool nameNotFound = group == StatusDecoding::kNameNotFoundGroup &&
                                      code == StatusDecoding::kNameNotFoundCode;
            ASSERT_EQ(boxes.contains(Box::NameNotFound), nameNotFound) << group << ' ' << code;
        }
    }
}

}  // namespace

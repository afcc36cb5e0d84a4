#include "calibration/StatusDecoding.h"

#include <cstdint>

namespace {

using Box = StatusDecoding::Box;

struct Bit {
    std::uint8_t mask;
    Box box;
};

// The error bits "^cp" sends first and "^cu" sends alone.
constexpr Bit kErrorBits[] = {
    {0x80, Box::PaperEmpty},   {0x40, Box::CoverOpen},         {0x20, Box::CutterJammed},
    {0x10, Box::HeadOverheat}, {0x08, Box::GapDetectionError}, {0x04, Box::RibbonEndError},
};
constexpr Bit kJobBits[] = {
    {0x80, Box::BuildingLabel},
    {0x40, Box::PrintingLabel},
    {0x20, Box::LabelPaused},
};
constexpr Bit kMechanismBits[] = {
    {0x01, Box::CoverOpen},      {0x02, Box::PaperEmpty},     {0x04, Box::PaperJam},
    {0x08, Box::HeadOverheat},   {0x10, Box::NotDefinedBit4}, {0x20, Box::NotDefinedBit5},
    {0x40, Box::NotDefinedBit6}, {0x80, Box::NotDefinedBit7},
};

struct Code {
    char code;
    Box box;
};
constexpr Code kGroupZero[] = {
    {'0', Box::NoError},
    {'1', Box::SyntaxError},
    {'2', Box::ExceededBorder},
    {'3', Box::BarcodeError},
    {'4', Box::InsufficientMemory},
    {'5', Box::MemoryError},
    {'6', Box::SerialError},
    {'7', Box::Empty},
    {'8', Box::DuplicateName},
    {StatusDecoding::kNameNotFoundCode, Box::NameNotFound},
};
constexpr Code kGroupOne[] = {
    {'0', Box::NotInDataEntry},
    {'1', Box::PrintHeadUp},
    {'2', Box::PauseMode},
};
constexpr Code kGroupFive[] = {
    {'0', Box::PrinterBusy},
};
// Every group character the other groups do not name.
constexpr Code kOtherGroups[] = {
    {'0', Box::Undefined},        {'1', Box::CutterJammedCode}, {'2', Box::AutoSense},
    {'3', Box::IllegalInterrupt}, {'4', Box::ExcessiveFeeding},
};
// "Name Not Found" sits in the first group's table.
static_assert(StatusDecoding::kNameNotFoundGroup == '0');

std::uint8_t ByteAt(QByteArrayView reply, qsizetype index) {
    return index < reply.size() ? static_cast<std::uint8_t>(reply[index]) : 0;
}

template <std::size_t N>
void AddBits(StatusDecoding::Boxes& boxes, std::uint8_t value, const Bit (&bits)[N]) {
    for (const Bit& bit : bits) {
        if ((value & bit.mask) != 0) {
            boxes.insert(bit.box);
        }
    }
}

// A one-byte reply: a box for each bit set, "Status OK" when none is.
template <std::size_t N>
StatusDecoding::Boxes OneByte(std::uint8_t value, const Bit (&bits)[N]) {
    StatusDecoding::Boxes boxes;
    AddBits(boxes, value, bits);
    if (value == 0) {
        boxes.insert(StatusDecoding::Box::StatusOk);
    }
    return boxes;
}

template <std::size_t N>
StatusDecoding::Boxes Lookup(char code, const Code (&codes)[N]) {
    for (const Code& entry : codes) {
        if (entry.code == code) {
            return {entry.box};
        }
    }
    return {};
}

}  // namespace

StatusDecoding::Boxes StatusDecoding::Decode(Status request, QByteArrayView reply) {
    switch (request) {
        case Status::ErrorsAndJob:
            return ErrorsAndJob(reply);
        case Status::Errors:
            return Errors(reply);
        case Status::ErrorCode:
            return ErrorCode(reply);
        case Status::MechanismErrors:
            return MechanismErrors(reply);
    }
    return {};
}

StatusDecoding::Boxes StatusDecoding::ErrorsAndJob(QByteArrayView reply) {
    const std::uint8_t errors = ByteAt(reply, 0);
    const std::uint8_t job = ByteAt(reply, 1);
    Boxes boxes;
    AddBits(boxes, errors, kErrorBits);
    AddBits(boxes, job, kJobBits);
    // A bit without a box of its own still means the printer is not idle and well.
    if (errors == 0 && job == 0) {
        boxes.insert(Box::StatusOk);
    }
    return boxes;
}

StatusDecoding::Boxes StatusDecoding::Errors(QByteArrayView reply) {
    return OneByte(ByteAt(reply, 0), kErrorBits);
}

StatusDecoding::Boxes StatusDecoding::MechanismErrors(QByteArrayView reply) {
    return OneByte(ByteAt(reply, 0), kMechanismBits);
}

StatusDecoding::Boxes StatusDecoding::ErrorCode(QByteArrayView reply) {
    const auto group = static_cast<char>(ByteAt(reply, 0));
    const auto code = static_cast<char>(ByteAt(reply, 1));
    switch (group) {
        case '0':
            return Lookup(code, kGroupZero);
        case '1':
            return Lookup(code, kGroupOne);
        case '5':
            return Lookup(code, kGroupFive);
        default:
            return Lookup(code, kOtherGroups);
    }
}

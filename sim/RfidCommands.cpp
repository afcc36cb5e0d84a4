// The RFID encoder's commands: ">RF", a name, and the fields after a ",", up to CR (a form sends
// them so) or LF (a script's CR LF: the LF that follows a CR is skipped between commands).
//
// Settings and queries: ">RFS", ">RFTP", ">RFI", ">RFVR", ">RFCP". Tag operations, each counted
// as valid or void: ">RFZ" passwords, ">RFUL" unlock, ">RFLK" lock, ">RFKL" kill, ">RFLP" lock
// payload, ">RFW"/">RFw" data write, ">RFR"/">RFr" data read. Only the query and a read with
// output "S" answer anything. A command the encoder cannot read (an unknown name, a malformed
// field, a number out of range) changes nothing, counts nothing and leaves the syntax error code
// for "^ee". A tag operation the tag refuses (no tag, a killed one, a locked area, data that do
// not fit) changes nothing and counts as void.
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/CommandFamilies.h"
#include "sim/HexText.h"

namespace sim {

namespace {

constexpr std::string_view kPrefix = ">RF";
// Far longer than any command (a data write of 69 bytes in hex takes some 160 bytes); a longer
// line is read to its end all the same, so nothing of it is mistaken for another command, and
// refused.
constexpr std::size_t kMaxLine = 1024;
constexpr std::size_t kMaxDigits = 5;
constexpr std::size_t kMaxPositionLength = 16;
constexpr int kLargest = 99'999;  // kMaxDigits nines
constexpr int kMinPower = 1, kMaxPower = 31, kMaxRetries = 10, kMaxLabels = 5;
constexpr std::string_view kGen2Number = "5", kIsoBNumber = "2";
constexpr std::string_view kNoPassword = "00000000";
// The lock payload: ten mask bits above ten action bits, two per area.
constexpr int kPayloadBits = 20;
constexpr int kActionBits = 10;

// What a command answers; nothing when the encoder cannot read it.
using Reply = std::optional<std::string>;

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t at = text.find(separator);
        fields.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return fields;
        }
        text.remove_prefix(at + 1);
    }
}

// Decimal digits only, within [low, high].
std::optional<int> Number(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return upper;
}

std::string Line(const std::string& text) {
    return text + "\r\n";
}

// The tag that answers: none when the field is empty or its tag is killed.
RfidTag* LiveTag(RfidState& rfid) {
    return rfid.tag && !rfid.tag->killed ? &*rfid.tag : nullptr;
}

// Counts a tag operation; `reply` goes back whatever the outcome.
std::string Counted(RfidState& rfid, bool valid, std::string reply = {}) {
    ++(valid ? rfid.valid : rfid.voided);
    return reply;
}

// Whether an area may be written (for a password area: changed) now.
bool Writable(const RfidTag& tag, std::size_t area) {
    const RfidTag::Lock& lock = tag.locks[area];
    return !lock.locked || (!lock.permanent && tag.secured);
}

// ">RFS,t,r,l,p" or ">RFS,r,l,p" (the tag type stays): all of it or nothing.
Reply Settings(std::string_view arguments, PrinterState& state) {
    const std::vector<std::string_view> fields = Split(arguments, ',');
    if (fields.size() != 3 && fields.size() != 4) {
        return std::nullopt;
    }
    RfidState& rfid = state.rfid;
    std::optional<RfidState::TagType> type = rfid.tagType;
    if (fields.size() == 4) {
        type = fields[0] == kGen2Number   ? std::optional(RfidState::TagType::Gen2)
               : fields[0] == kIsoBNumber ? std::optional(RfidState::TagType::IsoB)
                                          : std::nullopt;
    }
    const std::size_t first = fields.size() - 3;
    const std::optional<int> retries = Number(fields[first], 0, kMaxRetries);
    const std::optional<int> labels = Number(fields[first + 1], 0, kMaxLabels);
    const std::optional<int> power = Number(fields[first + 2], kMinPower, kMaxPower);
    if (!type || !retries || !labels || !power) {
        return std::nullopt;
    }
    rfid.tagType = *type;
    rfid.retries = *retries;
    rfid.labels = *labels;
    rfid.power = *power;
    return std::string();
}

Reply TransponderPosition(std::string_view text, PrinterState& state) {
    if (text.size() > kMaxPositionLength) {
        return std::nullopt;
    }
    state.rfid.transponderPosition = std::string(text);
    return std::string();
}

Reply Query(std::string_view item, PrinterState& state) {
    const RfidState& rfid = state.rfid;
    switch (Number(item, 1, 7).value_or(0)) {
        case 1:
            return Line(rfid.tagType == RfidState::TagType::Gen2 ? "GEN2" : "ISO-B");
        case 2:
            return Line(std::to_string(rfid.power));
        case 3:
            return Line(rfid.transponderPosition);
        case 4:
            return Line(std::to_string(rfid.retries));
        case 5:
            return Line(std::to_string(rfid.labels));
        case 6:
            return Line(std::to_string(rfid.valid));
        case 7:
            return Line(std::to_string(rfid.voided));
        default:
            return std::nullopt;
    }
}

Reply ResetCounters(std::string_view, PrinterState& state) {
    state.rfid.valid = 0;
    state.rfid.voided = 0;
    return std::string();
}

Reply Calibrate(std::string_view, PrinterState& state) {
    state.rfid.calibrated = true;
    return std::string();
}

bool IsPassword(std::string_view field) {
    return field.size() == RfidTag::kPasswordSize && IsHexText(field);
}

// The text between a quote at the front and one at the back.
std::optional<std::string_view> Quoted(std::string_view text) {
    if (text.size() < 2 || text.front() != '\'' || text.back() != '\'') {
        return std::nullopt;
    }
    return text.substr(1, text.size() - 2);
}

// ">RFZ,'F1,F2,A,K'": the encoder presents A and K from now on, and writes them into the tag when
// both password areas let it.
Reply SetPasswords(std::string_view arguments, PrinterState& state) {
    const std::optional<std::string_view> quoted = Quoted(arguments);
    const std::vector<std::string_view> fields = Split(quoted.value_or(""), ',');
    if (!quoted || fields.size() != 4 || !std::all_of(fields.begin(), fields.end(), IsPassword)) {
        return std::nullopt;
    }
    RfidState& rfid = state.rfid;
    rfid.accessPassword = Upper(fields[2]);
    rfid.killPassword = Upper(fields[3]);
    RfidTag* const tag = LiveTag(rfid);
    const bool written = tag != nullptr && Writable(*tag, RfidTag::kAccessPassword) &&
                         Writable(*tag, RfidTag::kKillPassword);
    if (written) {
        tag->accessPassword = rfid.accessPassword;
        tag->killPassword = rfid.killPassword;
    }
    return Counted(rfid, written);
}

Reply Unlock(std::string_view, PrinterState& state) {
    RfidTag* const tag = LiveTag(state.rfid);
    if (tag != nullptr) {
        tag->secured = tag->accessPassword == state.rfid.accessPassword;
    }
    return Counted(state.rfid, tag != nullptr && tag->secured);
}

// Locks the EPC area; only a permanent unlock stands in its way.
Reply LockEpc(std::string_view, PrinterState& state) {
    RfidTag* const tag = LiveTag(state.rfid);
    RfidTag::Lock* const lock = tag != nullptr ? &tag->locks[RfidTag::kEpcArea] : nullptr;
    const bool locked = lock != nullptr && !(lock->permanent && !lock->locked);
    if (locked) {
        lock->locked = true;
    }
    return Counted(state.rfid, locked);
}

// A tag whose kill password is still zero cannot be killed.
Reply Kill(std::string_view, PrinterState& state) {
    RfidState& rfid = state.rfid;
    RfidTag* const tag = LiveTag(rfid);
    const bool killed = tag != nullptr && rfid.killPassword != kNoPassword &&
                        tag->killPassword == rfid.killPassword;
    if (killed) {
        tag->killed = true;
        tag->secured = false;
    }
    return Counted(rfid, killed);
}

// The 20 payload bits of "'B1,B2,B3'", in the low bits; nothing when a byte is not two hex
// digits or the four unused bits are not zero.
std::optional<std::uint32_t> PayloadBits(std::string_view arguments) {
    const std::optional<std::string_view> quoted = Quoted(arguments);
    const std::vector<std::string_view> fields = Split(quoted.value_or(""), ',');
    if (!quoted || fields.size() != 3) {
        return std::nullopt;
    }
    std::uint32_t bits = 0;
    for (const std::string_view field : fields) {
        const std::optional<std::vector<std::uint8_t>> byte = BytesFromHex(field);
        if (!byte || byte->size() != 1) {
            return std::nullopt;
        }
        bits = (bits << 8) | byte->front();
    }
    constexpr int kUnused = 3 * 8 - kPayloadBits;
    if ((bits & ((1u << kUnused) - 1)) != 0) {
        return std::nullopt;
    }
    return bits >> kUnused;
}

// The lock state the payload asks for. Each area has a pair of mask bits and a pair of action
// bits, the left one the higher: a set mask bit makes its action bit count, the left one being
// "locked" and the right one "permanent". Unlocking clears "locked" in every area with a mask bit.
// Nothing when an area would change that may not: a permanent one, or a locked one while the tag
// is not secured. Locking an open area needs nothing.
std::optional<std::array<RfidTag::Lock, RfidTag::kAreas>> PayloadLocks(const RfidTag& tag,
                                                                       std::uint32_t bits,
                                                                       bool unlock) {
    std::array<RfidTag::Lock, RfidTag::kAreas> locks = tag.locks;
    for (std::size_t area = 0; area < RfidTag::kAreas; ++area) {
        const int shift = 2 * static_cast<int>(RfidTag::kAreas - 1 - area);
        const std::uint32_t mask = (bits >> (kActionBits + shift)) & 3u;
        const std::uint32_t action = (bits >> shift) & 3u;
        const RfidTag::Lock before = tag.locks[area];
        RfidTag::Lock& lock = locks[area];
        if (unlock) {
            lock.locked = lock.locked && mask == 0;
        } else {
            lock.locked = (mask & 2u) != 0 ? (action & 2u) != 0 : lock.locked;
            lock.permanent = (mask & 1u) != 0 ? (action & 1u) != 0 : lock.permanent;
        }
        if (lock != before && (before.permanent || (before.locked && !tag.secured))) {
            return std::nullopt;
        }
    }
    return locks;
}

// ">RFLP,L,'B1,B2,B3'" or ">RFLP,U,'B1,B2,B3'".
Reply LockPayload(std::string_view arguments, PrinterState& state) {
    if (arguments.size() < 2 || (arguments[0] != 'L' && arguments[0] != 'U') ||
        arguments[1] != ',') {
        return std::nullopt;
    }
    const std::optional<std::uint32_t> bits = PayloadBits(arguments.substr(2));
    if (!bits) {
        return std::nullopt;
    }
    RfidTag* const tag = LiveTag(state.rfid);
    const auto locks =
        tag != nullptr ? PayloadLocks(*tag, *bits, arguments[0] == 'U') : std::nullopt;
    if (locks) {
        tag->locks = *locks;
    }
    return Counted(state.rfid, locks.has_value());
}

// The bytes of a data write as the selector reads them; nothing when they do not fit the count.
std::optional<std::vector<std::uint8_t>> DataBytes(char selector, std::string_view data,
                                                   std::size_t count) {
    if (selector != 'A' && data.size() == 2 * count && IsHexText(data)) {
        return BytesFromHex(data);
    }
    if (selector != 'H' && data.size() == count) {
        return std::vector<std::uint8_t>(data.begin(), data.end());
    }
    return std::nullopt;
}

// Where a data command reads or writes.
struct Range {
    std::vector<std::uint8_t>* bank = nullptr;
    std::size_t area = 0;
    std::size_t start = 0;
    std::size_t count = 0;
};

// The range in the live tag; nothing when there is no such tag or the range leaves the bank.
std::optional<Range> TagRange(PrinterState& state, char selector, int start, int count) {
    RfidTag* const tag = LiveTag(state.rfid);
    if (tag == nullptr) {
        return std::nullopt;
    }
    const bool user = selector == 'U' || selector == 'u';
    Range range{user ? &tag->user : &tag->epc, user ? RfidTag::kUserArea : RfidTag::kEpcArea,
                static_cast<std::size_t>(start), static_cast<std::size_t>(count)};
    if (range.start + range.count > range.bank->size()) {
        return std::nullopt;
    }
    return range;
}

// "<selector>,<start>,<count>,'<data>'": the data run from the quote after the count to the
// last quote of the line, so a quote inside ASCII data is data.
Reply WriteData(std::string_view arguments, PrinterState& state) {
    const std::size_t afterSelector = arguments.find(',');
    const std::size_t afterStart = arguments.find(',', afterSelector + 1);
    const std::size_t afterCount = afterStart == std::string_view::npos
                                       ? std::string_view::npos
                                       : arguments.find(',', afterStart + 1);
    if (afterSelector == std::string_view::npos || afterCount == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view selector = arguments.substr(0, afterSelector);
    const std::optional<int> start =
        Number(arguments.substr(afterSelector + 1, afterStart - afterSelector - 1), 0, kLargest);
    const std::optional<int> count =
        Number(arguments.substr(afterStart + 1, afterCount - afterStart - 1), 1, kLargest);
    const std::optional<std::string_view> data = Quoted(arguments.substr(afterCount + 1));
    if ((selector != "H" && selector != "A" && selector != "U") || !start || !count || !data) {
        return std::nullopt;
    }
    const std::optional<Range> range = TagRange(state, selector[0], *start, *count);
    const std::optional<std::vector<std::uint8_t>> bytes =
        DataBytes(selector[0], *data, static_cast<std::size_t>(*count));
    const bool written = range && bytes && Writable(*state.rfid.tag, range->area);
    if (written) {
        std::copy(bytes->begin(), bytes->end(),
                  range->bank->begin() + static_cast<std::ptrdiff_t>(range->start));
    }
    return Counted(state.rfid, written);
}

// A label holding `text` comes out (the encoder prints it through the printer).
void PrintLabel(std::string text, PrinterState& state) {
    Label label;
    label.lines.push_back(std::move(text));
    state.labels.printed.push_back(std::move(label));
    state.labels.printedCount += state.labels.printedCount < LONG_MAX ? 1 : 0;
    state.rfid.LabelPrinted();
}

// "<selector>,<start>,<count>,<output>": EPC data as hex ("H") or as they are ("A"); user memory
// ("U", "u") always as hex. Output "S" answers the text without a terminator, "P" prints it.
Reply ReadData(std::string_view arguments, PrinterState& state) {
    const std::vector<std::string_view> fields = Split(arguments, ',');
    if (fields.size() != 4) {
        return std::nullopt;
    }
    const std::string_view selector = fields[0];
    const std::optional<int> start = Number(fields[1], 0, kLargest);
    const std::optional<int> count = Number(fields[2], 1, kLargest);
    const std::string_view output = fields[3];
    if ((selector != "H" && selector != "A" && selector != "U" && selector != "u") || !start ||
        !count || (output != "S" && output != "P")) {
        return std::nullopt;
    }
    const std::optional<Range> range = TagRange(state, selector[0], *start, *count);
    if (!range) {
        return Counted(state.rfid, false);
    }
    const std::uint8_t* const from = range->bank->data() + range->start;
    std::string text =
        selector == "A" ? std::string(from, from + range->count) : HexFromBytes(from, range->count);
    if (output == "P") {
        PrintLabel(std::move(text), state);
        return Counted(state.rfid, true);
    }
    return Counted(state.rfid, true, std::move(text));
}

struct RfidCommand {
    std::string_view name;
    bool takesArguments;  // after a ","; a command without them has no ","
    Reply (*perform)(std::string_view arguments, PrinterState& state);
};

constexpr RfidCommand kCommands[] = {
    {"S", true, Settings},    {"TP", true, TransponderPosition},
    {"I", true, Query},       {"VR", false, ResetCounters},
    {"CP", false, Calibrate}, {"Z", true, SetPasswords},
    {"UL", false, Unlock},    {"LK", false, LockEpc},
    {"KL", false, Kill},      {"LP", true, LockPayload},
    {"W", true, WriteData},   {"w", true, WriteData},  // Label and Metal tags alike
    {"R", true, ReadData},    {"r", true, ReadData},
};

// `body` is the line after ">RF", without its end.
Reply Perform(std::string_view body, PrinterState& state) {
    const std::size_t comma = body.find(',');
    const std::string_view name = body.substr(0, comma);
    for (const RfidCommand& command : kCommands) {
        if (command.name == name) {
            if (command.takesArguments != (comma != std::string_view::npos)) {
                return std::nullopt;
            }
            return command.perform(command.takesArguments ? body.substr(comma + 1) : "", state);
        }
    }
    return std::nullopt;
}

bool IsLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

HandlerResult RfidLine(std::string_view pending, ScanMark& mark, PrinterState& state) {
    if (const auto early = BeforeLiteral(pending, kPrefix)) {
        return *early;
    }
    // What came before the mark was read on an earlier call: go on from there.
    const auto end = std::find_if(
        pending.begin() + static_cast<std::ptrdiff_t>(std::max(mark.scanned, kPrefix.size())),
        pending.end(), IsLineEnd);
    const std::size_t lineEnd = static_cast<std::size_t>(end - pending.begin());
    if (end == pending.end()) {
        mark.scanned = lineEnd;
        return HandlerResult::NeedMore();
    }
    Reply reply;
    if (lineEnd <= kMaxLine) {
        reply = Perform(pending.substr(kPrefix.size(), lineEnd - kPrefix.size()), state);
    }
    if (!reply) {
        state.status.errorCode = StatusState::kSyntaxError;
        return HandlerResult::Done(lineEnd + 1);
    }
    return HandlerResult::Done(lineEnd + 1, std::move(*reply));
}

}  // namespace

void AddRfidCommands(CommandTable& table) {
    table.Add(">RF RFID encoder", ResumableHandler(RfidLine));
}

}  // namespace sim

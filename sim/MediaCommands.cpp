// The calibration commands of the "^MX" family: sensing the media ("^MXd"), storing the
// threshold the host chose ("^MXs") and forgetting it ("^MXc").
//
// "^MXd" and "^MXs" end at CR (a LF that follows is skipped; a LF alone ends them too). A body
// that is not what the command wants, or that is cut short by the next "^" or runs on too long,
// is refused as a syntax error: nothing happens, nothing is answered, and "^ee" reports "01".
#include <optional>
#include <string_view>

#include "sim/CommandFamilies.h"
#include "sim/MediaSensor.h"

namespace sim {

namespace {

// Longer than any body of these commands; one still without its end after this many bytes is
// broken.
constexpr std::size_t kMaxBody = 32;
// The printer feeds at most so much for one sensing request (about 125 m at 8 dots per mm).
constexpr std::size_t kMaxDotDigits = 6;
constexpr std::size_t kMaxValueDigits = 5;

// Where a command whose body starts at `from` stops.
struct Extent {
    std::size_t bodyEnd = 0;   // the body is pending[from, bodyEnd)
    std::size_t consumed = 0;  // bytes the command takes, with its CR or LF
    bool ended = false;        // by a CR or LF; otherwise cut short
};

// Nothing while the command may still go on.
std::optional<Extent> FindExtent(std::string_view pending, std::size_t from) {
    for (std::size_t i = from; i < pending.size(); ++i) {
        if (pending[i] == '\r' || pending[i] == '\n') {
            return Extent{i, i + 1, true};
        }
        if (pending[i] == '^' || i - from >= kMaxBody) {
            // The "^" begins the next command: leave it to that one.
            return Extent{i, i, false};
        }
    }
    return std::nullopt;
}

// Takes "," and 1..maxDigits decimal digits from the front of `body`.
std::optional<int> TakeNumber(std::string_view& body, std::size_t maxDigits) {
    if (body.empty() || body[0] != ',') {
        return std::nullopt;
    }
    std::size_t digits = 1;
    int value = 0;
    while (digits < body.size() && body[digits] >= '0' && body[digits] <= '9') {
        // Digits past the most taken only count: the number is refused, and must not overflow.
        if (digits <= maxDigits) {
            value = value * 10 + (body[digits] - '0');
        }
        ++digits;
    }
    if (digits == 1 || digits - 1 > maxDigits) {
        return std::nullopt;
    }
    body.remove_prefix(digits);
    return value;
}

// A command "<prefix><body><CR>": the body when it is whole, after `act` has taken it; a syntax
// error otherwise.
template <typename Act>
HandlerResult Terminated(std::string_view pending, std::string_view prefix, PrinterState& state,
                         Act act) {
    if (const auto early = BeforeLiteral(pending, prefix)) {
        return *early;
    }
    const std::optional<Extent> extent = FindExtent(pending, prefix.size());
    if (!extent) {
        return HandlerResult::NeedMore();
    }
    const std::string_view body = pending.substr(prefix.size(), extent->bodyEnd - prefix.size());
    std::optional<std::string> reply;
    if (extent->ended) {
        reply = act(body, state);
    }
    if (!reply) {
        state.status.errorCode = StatusState::kSyntaxError;
        return HandlerResult::Done(extent->consumed);
    }
    return HandlerResult::Done(extent->consumed, std::move(*reply));
}

// ",<dots>,G" or ",<dots>,B": feed and answer the 64-byte distribution. With the cover open or
// the paper jammed the printer cannot feed and answers nothing.
std::optional<std::string> Sense(std::string_view body, PrinterState& state) {
    const std::optional<int> dots = TakeNumber(body, kMaxDotDigits);
    if (!dots || body.size() != 2 || body[0] != ',' || (body[1] != 'G' && body[1] != 'B')) {
        return std::nullopt;
    }
    if (state.status.coverOpen || state.status.paperJam) {
        return std::string();
    }
    const MediaSensor::Type type =
        body[1] == 'G' ? MediaSensor::Type::Gap : MediaSensor::Type::Mark;
    return MediaSensor::Encode(
        MediaSensor::Distribution(state.media, type, *dots, state.status.paperEmpty));
}

// ",<middle value>,<gap count>": keep the calibration.
std::optional<std::string> Store(std::string_view body, PrinterState& state) {
    const std::optional<int> middle = TakeNumber(body, kMaxValueDigits);
    const std::optional<int> gaps = middle ? TakeNumber(body, kMaxValueDigits) : std::nullopt;
    if (!gaps || !body.empty()) {
        return std::nullopt;
    }
    state.media.calibration = MediaState::Calibration{*middle, *gaps};
    return std::string();
}

HandlerResult Cancel(std::string_view pending, PrinterState& state) {
    HandlerResult result = FixedLength(pending, "^MXc");
    if (result.verdict == HandlerResult::Verdict::Done) {
        state.media.calibration.reset();
    }
    return result;
}

}  // namespace

void AddMediaCommands(CommandTable& table) {
    table.Add("^MXd sensing distribution", [](std::string_view pending, PrinterState& state) {
        return Terminated(pending, "^MXd", state, Sense);
    });
    table.Add("^MXs store calibration", [](std::string_view pending, PrinterState& state) {
        return Terminated(pending, "^MXs", state, Store);
    });
    table.Add("^MXc cancel calibration", Cancel);
}

}  // namespace sim

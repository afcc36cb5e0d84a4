// The stored-settings commands: memory switches, user values, check label length and
// identification texts ("^MB..."), and the print offset and tear-off position ("^SA", "SA", "TA").
#include <algorithm>
#include <cstdint>
#include <string>

#include "sim/CommandFamilies.h"

namespace sim {

namespace {

// A value byte where the printer expects "all" instead of a number.
constexpr char kAllByte = 0x0F;
// Texts, numbers and signed values end at CR; a command still without one after this many bytes
// is no command of ours.
constexpr std::size_t kMaxTerminatedLength = 64;

bool IsDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

// The position of the CR that ends a command whose body starts at `from`, checking every body
// byte with `allowed`: npos while it may still come, nothing (-2) when it can no longer.
constexpr std::size_t kBroken = std::string_view::npos - 1;
template <typename Allowed>
std::size_t FindEnd(std::string_view pending, std::size_t from, Allowed allowed) {
    for (std::size_t i = from; i < pending.size(); ++i) {
        if (pending[i] == '\r') {
            return i;
        }
        if (i - from >= kMaxTerminatedLength || !allowed(pending[i])) {
            return kBroken;
        }
    }
    return std::string_view::npos;
}

// Optional sign and up to nine digits; false when there is no digit.
bool ParseSigned(std::string_view text, long long& value) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return false;
    }
    value = 0;
    for (const char digit : text) {
        value = value * 10 + (digit - '0');
    }
    value = negative ? -value : value;
    return true;
}

int SwitchNumber(char digit) {
    return digit >= '1' && digit <= '4' ? digit - '0' : 0;
}

// "^MBR" switch digit "," interface digit: the stored byte, raw.
HandlerResult ReadSwitch(std::string_view pending, PrinterState& state) {
    HandlerResult result = FixedLength(pending, "^MBR", 3);
    if (pending.size() > 4 && SwitchNumber(pending[4]) == 0) {
        return HandlerResult::NotMine();
    }
    if (pending.size() > 5 && pending[5] != ',') {
        return HandlerResult::NotMine();
    }
    if (result.verdict == HandlerResult::Verdict::Done) {
        const int number = SwitchNumber(pending[4]);
        result.reply = std::string(1, static_cast<char>(state.settings.switches[number]));
    }
    return result;
}

// "^MBS" switch digit "," raw byte: kept until the apply request (a CR after it is skipped).
HandlerResult SetSwitch(std::string_view pending, PrinterState& state) {
    HandlerResult result = FixedLength(pending, "^MBS", 3);
    if (pending.size() > 4 && SwitchNumber(pending[4]) == 0) {
        return HandlerResult::NotMine();
    }
    if (pending.size() > 5 && pending[5] != ',') {
        return HandlerResult::NotMine();
    }
    if (result.verdict == HandlerResult::Verdict::Done) {
        state.settings.pendingSwitches[SwitchNumber(pending[4])] =
            static_cast<std::uint8_t>(pending[6]);
    }
    return result;
}

// "^MBA" raw switch number 1..4 "\r": stores the byte set before.
HandlerResult ApplySwitch(std::string_view pending, PrinterState& state) {
    HandlerResult result = FixedLength(pending, "^MBA", 2);
    if (pending.size() > 4 && (pending[4] < 1 || pending[4] > 4)) {
        return HandlerResult::NotMine();
    }
    if (pending.size() > 5 && pending[5] != '\r') {
        return HandlerResult::NotMine();
    }
    if (result.verdict == HandlerResult::Verdict::Done) {
        SettingsState& settings = state.settings;
        auto& waiting = settings.pendingSwitches[static_cast<std::size_t>(pending[4])];
        if (waiting) {
            settings.switches[static_cast<std::size_t>(pending[4])] = *waiting;
            waiting.reset();
        }
    }
    return result;
}

// "^MBU" n "," decimal "\r" sets user value n; "^MBU" 0x0F ",99\r" initialises them all.
HandlerResult UserValue(std::string_view pending, PrinterState& state) {
    if (const auto early = BeforeLiteral(pending, "^MBU")) {
        return *early;
    }
    if (pending.size() == 4) {
        return HandlerResult::NeedMore();
    }
    if (pending[4] == kAllByte) {
        HandlerResult result = FixedLength(pending, std::string_view("^MBU\x0F,99\r", 9), 0);
        if (result.verdict == HandlerResult::Verdict::Done) {
            state.settings.InitialiseUserSettings();
        }
        return result;
    }
    if (pending[4] < '0' || pending[4] > '5') {
        return HandlerResult::NotMine();
    }
    if (pending.size() > 5 && pending[5] != ',') {
        return HandlerResult::NotMine();
    }
    const std::size_t end =
        FindEnd(pending, 6, [](char byte) { return IsDigit(byte) || byte == '-'; });
    if (end == kBroken) {
        return HandlerResult::NotMine();
    }
    if (end == std::string_view::npos) {
        return HandlerResult::NeedMore();
    }
    long long value = 0;
    if (ParseSigned(pending.substr(6, end - 6), value)) {
        state.settings.userValues[static_cast<std::size_t>(pending[4] - '0')] =
            static_cast<std::int32_t>(value);
    }
    return HandlerResult::Done(end + 1);
}

// "^MBL1" checks the label length, "^MBL0" does not.
HandlerResult CheckLabelLength(std::string_view pending, PrinterState& state) {
    HandlerResult result = FixedLength(pending, "^MBL", 1);
    if (pending.size() > 4 && pending[4] != '0' && pending[4] != '1') {
        return HandlerResult::NotMine();
    }
    if (result.verdict == HandlerResult::Verdict::Done) {
        state.settings.checkLabelLength = pending[4] == '1';
    }
    return result;
}

// "^MBX" n: identification text n with CR LF (whatever line end the host added is skipped).
HandlerResult ReadText(std::string_view pending, PrinterState& state) {
    HandlerResult result = FixedLength(pending, "^MBX", 1);
    if (pending.size() > 4 && (pending[4] < '0' || pending[4] > '2')) {
        return HandlerResult::NotMine();
    }
    if (result.verdict == HandlerResult::Verdict::Done) {
        result.reply = state.settings.texts[static_cast<std::size_t>(pending[4] - '0')] + "\r\n";
    }
    return result;
}

// "^MBY" n "," text "\r" stores text n; "^MBY" 0x0F "," n "\r" brings back its factory text.
HandlerResult StoreText(std::string_view pending, PrinterState& state) {
    if (const auto early = BeforeLiteral(pending, "^MBY")) {
        return *early;
    }
    if (pending.size() < 7) {
        const bool shapeSoFar = (pending.size() <= 4 || pending[4] == kAllByte ||
                                 (pending[4] >= '0' && pending[4] <= '2')) &&
                                (pending.size() <= 5 || pending[5] == ',');
        return shapeSoFar ? HandlerResult::NeedMore() : HandlerResult::NotMine();
    }
    if (pending[5] != ',') {
        return HandlerResult::NotMine();
    }
    if (pending[4] == kAllByte) {
        if (pending[6] < '0' || pending[6] > '2') {
            return HandlerResult::NotMine();
        }
        const auto which = static_cast<std::size_t>(pending[6] - '0');
        state.settings.texts[which] = SettingsState::kFactoryTexts[which];
        return HandlerResult::Done(7);
    }
    if (pending[4] < '0' || pending[4] > '2') {
        return HandlerResult::NotMine();
    }
    const std::size_t end = FindEnd(pending, 6, [](char byte) { return byte != '\n'; });
    if (end == kBroken) {
        return HandlerResult::NotMine();
    }
    if (end == std::string_view::npos) {
        return HandlerResult::NeedMore();
    }
    state.settings.texts[static_cast<std::size_t>(pending[4] - '0')] =
        std::string(pending.substr(6, end - 6));
    return HandlerResult::Done(end + 1);
}

// "^SA": the print offset as a sign and three digits.
HandlerResult ReadOffset(std::string_view pending, PrinterState& state) {
    HandlerResult result = FixedLength(pending, "^SA", 0);
    if (result.verdict == HandlerResult::Verdict::Done) {
        result.reply = SettingsState::SignedText(state.settings.printOffset);
    }
    return result;
}

// "SA" or "TA", an optional sign and digits, "\r": the print offset or the tear-off position.
HandlerResult SetSigned(std::string_view pending, std::string_view letters, int& target) {
    if (const auto early = BeforeLiteral(pending, letters)) {
        return *early;
    }
    const std::size_t end =
        FindEnd(pending, 2, [](char byte) { return IsDigit(byte) || byte == '-' || byte == '+'; });
    if (end == kBroken) {
        return HandlerResult::NotMine();
    }
    if (end == std::string_view::npos) {
        return HandlerResult::NeedMore();
    }
    long long value = 0;
    if (ParseSigned(pending.substr(2, end - 2), value)) {
        target = static_cast<int>(
            std::clamp<long long>(value, -SettingsState::kMaxSigned, SettingsState::kMaxSigned));
    }
    return HandlerResult::Done(end + 1);
}

}  // namespace

void AddSettingsCommands(CommandTable& table) {
    table.Add("^MBR read memory switch", ReadSwitch);
    table.Add("^MBS set memory switch", SetSwitch);
    table.Add("^MBA apply memory switch", ApplySwitch);
    table.Add("^MBU user value or initialise", UserValue);
    table.Add("^MBL check label length", CheckLabelLength);
    table.Add("^MBX read identification text", ReadText);
    table.Add("^MBY store or initialise identification text", StoreText);
    table.Add("^SA print offset", ReadOffset);
    table.Add("SA set print offset", [](std::string_view pending, PrinterState& state) {
        return SetSigned(pending, "SA", state.settings.printOffset);
    });
    table.Add("TA set tear-off position", [](std::string_view pending, PrinterState& state) {
        return SetSigned(pending, "TA", state.settings.tearOff);
    });
}

}  // namespace sim

// The status requests: "^cp" (error bits and the label in hand), "^cu" (error bits alone),
// "CPS" (mechanism bits) and "^ee" (the last error code). Each is complete in its three bytes;
// the CR the host sends after it is skipped.
#include <cstdint>
#include <string>

#include "sim/CommandFamilies.h"

namespace sim {

namespace {

std::uint8_t Bit(bool on, std::uint8_t bit) {
    return on ? bit : 0;
}

char ErrorBits(const StatusState& status) {
    return static_cast<char>(Bit(status.paperEmpty, 0x80) | Bit(status.coverOpen, 0x40) |
                             Bit(status.cutterJammed, 0x20) | Bit(status.headOverheat, 0x10) |
                             Bit(status.gapDetectionError, 0x08) | Bit(status.ribbonEnd, 0x04));
}

char JobBits(const StatusState& status) {
    return static_cast<char>(Bit(status.building, 0x80) | Bit(status.printing, 0x40) |
                             Bit(status.paused, 0x20));
}

char MechanismBits(const StatusState& status) {
    return static_cast<char>(Bit(status.coverOpen, 0x01) | Bit(status.paperEmpty, 0x02) |
                             Bit(status.paperJam, 0x04) | Bit(status.headOverheat, 0x08));
}

// The reply, once the request is complete.
template <typename Compose>
HandlerResult Status(std::string_view pending, std::string_view request, PrinterState& state,
                     Compose compose) {
    HandlerResult result = FixedLength(pending, request);
    if (result.verdict == HandlerResult::Verdict::Done) {
        result.reply = compose(state.status);
    }
    return result;
}

// Always two characters and CR LF, whatever a test put in the code: the host reads exactly four.
std::string ErrorCodeLine(const StatusState& status) {
    std::string code = status.errorCode.substr(0, 2);
    code.insert(0, 2 - code.size(), '0');
    return code + "\r\n";
}

}  // namespace

void AddStatusCommands(CommandTable& table) {
    table.Add("^cp error and job status", [](std::string_view pending, PrinterState& state) {
        return Status(pending, "^cp", state, [](const StatusState& status) {
            return std::string{ErrorBits(status), JobBits(status)};
        });
    });
    table.Add("^cu error status", [](std::string_view pending, PrinterState& state) {
        return Status(pending, "^cu", state,
                      [](const StatusState& status) { return std::string(1, ErrorBits(status)); });
    });
    table.Add("CPS mechanism status", [](std::string_view pending, PrinterState& state) {
        return Status(pending, "CPS", state, [](const StatusState& status) {
            return std::string(1, MechanismBits(status));
        });
    });
    table.Add("^ee last error code", [](std::string_view pending, PrinterState& state) {
        return Status(pending, "^ee", state, ErrorCodeLine);
    });
}

}  // namespace sim

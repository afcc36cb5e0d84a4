// The printer-information queries of the "^PI" family.
#include <string>

#include "sim/CommandFamilies.h"

namespace sim {

namespace {

std::string Line(const std::string& text) {
    return text + "\r\n";
}

// The text as the reply, once the query is complete. The host may or may not send CR LF after
// these queries; it waits for the answer either way, so the printer answers as soon as the
// query's own bytes are in.
HandlerResult Answer(HandlerResult query, const std::string& text) {
    if (query.verdict == HandlerResult::Verdict::Done) {
        query.reply = Line(text);
    }
    return query;
}

HandlerResult ModelQuery(std::string_view pending, PrinterState& state) {
    return Answer(FixedLength(pending, "^PI0"), state.modelName);
}

HandlerResult TypeQuery(std::string_view pending, PrinterState& state) {
    return Answer(FixedLength(pending, "^PI1"), state.settings.modelType);
}

HandlerResult FirmwareQuery(std::string_view pending, PrinterState& state) {
    return Answer(FixedLength(pending, "^PI2"), state.settings.firmwareVersion);
}

// "^PI4," 0 head temperature, 1 print density, 2 tear-off position (signed).
HandlerResult PrintQuery(std::string_view pending, PrinterState& state) {
    if (pending.size() > 5 && (pending[5] < '0' || pending[5] > '2')) {
        return HandlerResult::NotMine();
    }
    HandlerResult result = FixedLength(pending, "^PI4,", 1);
    if (result.verdict != HandlerResult::Verdict::Done) {
        return result;
    }
    const SettingsState& settings = state.settings;
    switch (pending[5]) {
        case '0':
            result.reply = Line(std::to_string(settings.headTemperature));
            break;
        case '1':
            result.reply = Line(std::to_string(settings.userValues[1]));
            break;
        default:
            result.reply = SettingsState::SignedText(settings.tearOff);
            break;
    }
    return result;
}

// "^PI5," 0..4: paper width, paper length, gap length, horizontal and vertical margin.
HandlerResult PaperQuery(std::string_view pending, PrinterState& state) {
    if (pending.size() > 5 && (pending[5] < '0' || pending[5] > '4')) {
        return HandlerResult::NotMine();
    }
    HandlerResult result = FixedLength(pending, "^PI5,", 1);
    if (result.verdict == HandlerResult::Verdict::Done) {
        // The user value numbers of the five, in the order of the query digit.
        constexpr std::size_t kUserValue[] = {0, 2, 5, 3, 4};
        const std::int32_t value =
            state.settings.userValues[kUserValue[static_cast<std::size_t>(pending[5] - '0')]];
        result.reply = Line(std::to_string(value));
    }
    return result;
}

}  // namespace

void AddInfoCommands(CommandTable& table) {
    table.Add("^PI0 model name", ModelQuery);
    table.Add("^PI1 model type", TypeQuery);
    table.Add("^PI2 firmware version", FirmwareQuery);
    table.Add("^PI4 head temperature, print density, tear-off position", PrintQuery);
    table.Add("^PI5 paper settings", PaperQuery);
}

}  // namespace sim

// The printer-information queries of the "^PI" family.
#include "sim/CommandFamilies.h"

namespace sim {

namespace {

HandlerResult ModelQuery(std::string_view pending, PrinterState& state) {
    // The host may or may not send CR LF after these four bytes; it waits for the answer either
    // way, so the printer answers as soon as the four are in.
    constexpr std::string_view kQuery = "^PI0";
    switch (MatchLiteral(pending, kQuery)) {
        case Match::Mismatch:
            return HandlerResult::NotMine();
        case Match::Partial:
            return HandlerResult::NeedMore();
        case Match::Whole:
            break;
    }
    return HandlerResult::Done(kQuery.size(), state.modelName + "\r\n");
}

}  // namespace

void AddInfoCommands(CommandTable& table) {
    table.Add("^PI0 model name", ModelQuery);
}

}  // namespace sim

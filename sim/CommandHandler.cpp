#include "sim/CommandHandler.h"

namespace sim {

Match MatchLiteral(std::string_view pending, std::string_view literal) {
    if (pending.size() >= literal.size()) {
        return pending.starts_with(literal) ? Match::Whole : Match::Mismatch;
    }
    return literal.starts_with(pending) ? Match::Partial : Match::Mismatch;
}

std::optional<HandlerResult> VerdictFor(Match match) {
    switch (match) {
        case Match::Mismatch:
            return HandlerResult::NotMine();
        case Match::Partial:
            return HandlerResult::NeedMore();
        case Match::Whole:
            break;
    }
    return std::nullopt;
}

std::optional<HandlerResult> BeforeLiteral(std::string_view pending, std::string_view literal) {
    return VerdictFor(MatchLiteral(pending, literal));
}

HandlerResult FixedLength(std::string_view pending, std::string_view prefix, std::size_t extra) {
    if (const auto early = BeforeLiteral(pending, prefix)) {
        return *early;
    }
    if (pending.size() < prefix.size() + extra) {
        return HandlerResult::NeedMore();
    }
    return HandlerResult::Done(prefix.size() + extra);
}

}  // namespace sim

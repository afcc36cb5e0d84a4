#include "sim/CommandHandler.h"

namespace sim {

Match MatchLiteral(std::string_view pending, std::string_view literal) {
    if (pending.size() >= literal.size()) {
        return pending.starts_with(literal) ? Match::Whole : Match::Mismatch;
    }
    return literal.starts_with(pending) ? Match::Partial : Match::Mismatch;
}

}  // namespace sim

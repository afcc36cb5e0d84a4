#include "sim/CommandTable.h"

#include <utility>

namespace sim {

void CommandTable::Add(std::string name, CommandHandler handler) {
    ResumableHandler resumable = [handler](std::string_view pending, ScanMark&,
                                           PrinterState& state) { return handler(pending, state); };
    entries_.push_back({std::move(name), std::move(handler), std::move(resumable)});
}

void CommandTable::Add(std::string name, ResumableHandler handler) {
    CommandHandler fromFront = [handler](std::string_view pending, PrinterState& state) {
        ScanMark mark;
        return handler(pending, mark, state);
    };
    entries_.push_back({std::move(name), std::move(fromFront), std::move(handler)});
}

}  // namespace sim

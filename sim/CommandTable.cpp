#include "sim/CommandTable.h"

#include <utility>

namespace sim {

void CommandTable::Add(std::string name, CommandHandler handler) {
    entries_.push_back({std::move(name), std::move(handler)});
}

}  // namespace sim

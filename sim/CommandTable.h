#pragma once

#include <string>
#include <vector>

#include "sim/CommandHandler.h"

namespace sim {

// The handlers a printer knows, in the order the parser offers them the bytes.
class CommandTable {
public:
    struct Entry {
        std::string name;            // what the handler recognises, for people reading a trace
        CommandHandler handler;      // reads from the front every time (for a look from a test)
        ResumableHandler resumable;  // what the parser calls: the same handler, with a mark
    };

    void Add(std::string name, CommandHandler handler);
    void Add(std::string name, ResumableHandler handler);
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

}  // namespace sim

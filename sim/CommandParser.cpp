#include "sim/CommandParser.h"

#include <algorithm>

namespace sim {

namespace {

bool IsLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

}  // namespace

CommandParser::CommandParser(const CommandTable& table) : table(table) {}

void CommandParser::SkipJunk() {
    const auto end = std::find_if(pending.begin(), pending.end(),
                                  [](char byte) { return IsLineEnd(byte) || byte == '^'; });
    const bool ended = end != pending.end();
    const std::size_t junk = static_cast<std::size_t>(end - pending.begin());
    const std::size_t room = kMaxJunkRun - junkRun;
    if (junk >= room) {
        // A run this long has no end worth waiting for: parse again right after it.
        pending.erase(0, room);
        inJunk = false;
        junkRun = 0;
        return;
    }
    pending.erase(0, junk);
    junkRun += junk;
    if (ended) {
        inJunk = false;
        junkRun = 0;
    }
}

std::string CommandParser::Feed(std::string_view bytes, PrinterState& state) {
    pending.append(bytes);
    std::string replies;
    std::size_t start = 0;  // consumed bytes are erased in one go at the end
    while (true) {
        if (inJunk) {
            pending.erase(0, start);
            start = 0;
            SkipJunk();
            if (inJunk) {
                break;
            }
        }
        while (start < pending.size() && IsLineEnd(pending[start])) {
            ++start;
        }
        if (start == pending.size()) {
            break;
        }
        const std::string_view front = std::string_view(pending).substr(start);
        bool waiting = false;
        bool done = false;
        for (const CommandTable::Entry& entry : table.Entries()) {
            HandlerResult result = entry.handler(front, state);
            if (result.verdict == HandlerResult::Verdict::Done) {
                // Consuming nothing would loop for ever; a handler that does is taken to mean one.
                start += std::clamp<std::size_t>(result.consumed, 1, front.size());
                replies += result.reply;
                done = true;
                break;
            }
            waiting = waiting || result.verdict == HandlerResult::Verdict::NeedMore;
        }
        if (done) {
            continue;
        }
        if (waiting && front.size() <= kMaxPending) {
            break;
        }
        // Junk starts here; its first byte goes even when it is a "^" that began nothing known.
        start += 1;
        inJunk = true;
        junkRun = 1;
    }
    pending.erase(0, start);
    return replies;
}

}  // namespace sim

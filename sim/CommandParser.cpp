#include "sim/CommandParser.h"

#include <algorithm>

namespace sim {

namespace {

bool IsLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

}  // namespace

CommandParser::CommandParser(const CommandTable& table) : table_(table) {}

void CommandParser::SkipJunk() {
    const auto end = std::find_if(pending_.begin(), pending_.end(),
                                  [](char byte) { return IsLineEnd(byte) || byte == '^'; });
    const bool ended = end != pending_.end();
    const std::size_t junk = static_cast<std::size_t>(end - pending_.begin());
    const std::size_t room = kMaxJunkRun - junkRun_;
    if (junk >= room) {
        // A run this long has no end worth waiting for: parse again right after it.
        pending_.erase(0, room);
        inJunk_ = false;
        junkRun_ = 0;
        return;
    }
    pending_.erase(0, junk);
    junkRun_ += junk;
    if (ended) {
        inJunk_ = false;
        junkRun_ = 0;
    }
}

std::string CommandParser::Feed(std::string_view bytes, PrinterState& state) {
    pending_.append(bytes);
    std::string replies;
    std::size_t start = 0;  // consumed bytes are erased in one go at the end
    while (true) {
        if (inJunk_) {
            pending_.erase(0, start);
            start = 0;
            SkipJunk();
            if (inJunk_) {
                break;
            }
        }
        while (start < pending_.size() && IsLineEnd(pending_[start])) {
            ++start;
        }
        if (start == pending_.size()) {
            break;
        }
        const std::string_view front = std::string_view(pending_).substr(start);
        bool waiting = false;
        bool done = false;
        for (const CommandTable::Entry& entry : table_.Entries()) {
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
        inJunk_ = true;
        junkRun_ = 1;
    }
    pending_.erase(0, start);
    return replies;
}

}  // namespace sim

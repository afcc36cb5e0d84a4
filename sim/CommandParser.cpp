#include "sim/CommandParser.h"

#include <algorithm>

namespace sim {

namespace {

bool IsLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

}  // namespace

CommandParser::CommandParser(const CommandTable& table)
    : table_(table), marks_(table.Entries().size()) {}

void CommandParser::ForgetMarks() {
    std::fill(marks_.begin(), marks_.end(), ScanMark{});
}

void CommandParser::KeepRaw(std::size_t from, std::size_t to, PrinterState& state) const {
    if (to > from) {
        state.raw.Add(std::string_view(pending_).substr(from, to - from));
    }
}

std::size_t CommandParser::SkipJunk(std::size_t from) {
    // Never look past the end of the run: what lies beyond is parsed again anyway.
    const std::size_t room = kMaxJunkRun - junkRun_;
    const std::size_t looked = std::min(pending_.size() - from, room);
    const auto begin = pending_.begin() + static_cast<std::ptrdiff_t>(from);
    const auto end = std::find_if(begin, begin + static_cast<std::ptrdiff_t>(looked),
                                  [](char byte) { return IsLineEnd(byte) || byte == '^'; });
    const std::size_t junk = static_cast<std::size_t>(end - begin);
    if (junk < looked || looked == room) {
        // Ended by a line end or "^", or a run this long has no end worth waiting for: parse
        // again right after it.
        inJunk_ = false;
        junkRun_ = 0;
        return from + junk;
    }
    junkRun_ += junk;
    return from + junk;
}

std::string CommandParser::Feed(std::string_view bytes, PrinterState& state) {
    pending_.append(bytes);
    std::string replies;
    std::size_t start = 0;  // consumed bytes are erased in one go at the end
    const std::vector<CommandTable::Entry>& entries = table_.Entries();
    while (true) {
        if (inJunk_) {
            const std::size_t junkStart = start;
            start = SkipJunk(start);
            KeepRaw(junkStart, start, state);
            if (inJunk_) {
                break;
            }
        }
        const std::size_t lineEnds = start;
        while (start < pending_.size() && IsLineEnd(pending_[start])) {
            ++start;
        }
        KeepRaw(lineEnds, start, state);
        if (start == pending_.size()) {
            break;
        }
        const std::string_view front = std::string_view(pending_).substr(start);
        bool waiting = false;
        bool done = false;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            HandlerResult result = entries[i].resumable(front, marks_[i], state);
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
            ForgetMarks();
            continue;
        }
        if (waiting && front.size() <= kMaxPending) {
            break;
        }
        // Junk starts here; its first byte goes even when it is a "^" that began nothing known.
        ForgetMarks();
        KeepRaw(start, start + 1, state);
        start += 1;
        inJunk_ = true;
        junkRun_ = 1;
    }
    pending_.erase(0, start);
    return replies;
}

}  // namespace sim

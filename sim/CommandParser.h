#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "sim/CommandTable.h"
#include "sim/PrinterState.h"

namespace sim {

// Splits the byte stream of one connection into commands, the way a printer's input stage does.
// Each stream (every TCP client, the pseudo-terminal) has its own parser, because a command may
// arrive in pieces; the printer state they act on is shared.
//
// Between commands CR and LF are skipped. Every byte that no command takes (the skipped line ends,
// junk) goes to the state's raw data, in order. Bytes that no handler claims are junk: they are
// discarded up to the next CR, LF or "^" (which may begin the next command), and a junk run that
// goes on for more than kMaxJunkRun bytes ends there, so the parser always finds its way back.
// A command that stays incomplete can hold at most kMaxPending bytes before it is thrown away.
//
// The bytes that wait are read once: each handler keeps a mark of how far it read the waiting
// command, so a long one arriving in many pieces costs its length, not its length per piece.
class CommandParser {
public:
    static constexpr std::size_t kMaxJunkRun = 4096;
    static constexpr std::size_t kMaxPending = 16 * 1024 * 1024;

    explicit CommandParser(const CommandTable& table);

    // Takes the next bytes of the stream and returns the replies of every command they complete.
    std::string Feed(std::string_view bytes, PrinterState& state);

    // Bytes of an incomplete command, waiting for the rest.
    std::string_view Pending() const { return pending_; }

private:
    // Hands pending_[from, to) to the raw data.
    void KeepRaw(std::size_t from, std::size_t to, PrinterState& state) const;
    // Skips junk from `from` on; where parsing goes on.
    std::size_t SkipJunk(std::size_t from);
    // The front moved on: every handler reads the next one from its start.
    void ForgetMarks();

    const CommandTable& table_;
    std::string pending_;
    std::vector<ScanMark> marks_;  // one per table entry, for the front of pending_
    bool inJunk_ = false;
    std::size_t junkRun_ = 0;
};

}  // namespace sim

#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "sim/PrinterState.h"

namespace sim {

// What a command handler makes of the bytes waiting on one stream.
struct HandlerResult {
    enum class Verdict {
        NotMine,   // these bytes cannot begin any command of this handler, whatever follows
        NeedMore,  // they are an incomplete command of this handler: wait for more bytes
        Done,      // the first `consumed` bytes are one complete command; `reply` goes back
    };
    Verdict verdict = Verdict::NotMine;
    std::size_t consumed = 0;
    std::string reply;

    static HandlerResult NotMine() { return {}; }
    static HandlerResult NeedMore() { return {Verdict::NeedMore, 0, {}}; }
    static HandlerResult Done(std::size_t consumed, std::string reply = {}) {
        return {Verdict::Done, consumed, std::move(reply)};
    }
};

// A command handler recognises one command or a few related ones.
//
// The contract:
// - `pending` holds every byte that arrived on one stream (a TCP client or the pseudo-terminal)
//   and that no earlier command consumed. It starts where a command may start: never with CR or
//   LF. It may already hold the commands that follow, so look only at the front.
// - Answer NotMine when the front can never become one of your commands, NeedMore when it is a
//   true prefix of one (or a command still waiting for its terminator or data), and Done with the
//   byte count when a whole command is there. NotMine must stay NotMine whatever bytes follow.
// - Change `state` and build a reply only when answering Done; the reply may be empty.
// - Say Done as soon as a command is complete by its shape. Many commands have no terminator
//   ("^PI0", "^MBR4,1"): do not wait for CR or LF after them. A CR/LF that follows a command is
//   not part of it unless the command's shape says so; the parser skips it.
// - Raw value bytes (also CR, LF, "^" or zero) inside a command are the handler's business: the
//   parser only looks at bytes between commands.
// - Handlers run with the printer's lock held, on the server's thread or a test's thread: never
//   block, never keep `pending` (it dies with the call).
//
// The parser offers the front to every handler in table order: the first Done wins; otherwise,
// if any handler said NeedMore, it waits; otherwise the bytes are junk (see CommandParser).
using CommandHandler = std::function<HandlerResult(std::string_view pending, PrinterState& state)>;

// Where a handler stopped reading a command that is still incomplete. The parser keeps one mark
// per handler for the front of each stream and hands it back with the next bytes (the same front,
// more behind it); once a command is taken or junk skipped, every mark starts afresh (all zero).
// A handler whose commands may run long (a label line still without its CR) reads on from
// `scanned` instead of from the front, so a long command costs its length once, not once per
// chunk that brings more of it.
struct ScanMark {
    std::size_t scanned = 0;  // bytes of the front already read
    unsigned notes = 0;       // what the handler needs to go on reading there (0 at the front)
};

// A handler that reads on from its mark; otherwise it keeps the contract above.
using ResumableHandler =
    std::function<HandlerResult(std::string_view pending, ScanMark& mark, PrinterState& state)>;

// How the front of `pending` compares with a fixed text.
enum class Match {
    Mismatch,  // it differs
    Partial,   // it is a true prefix of the text
    Whole,     // it begins with the whole text
};
Match MatchLiteral(std::string_view pending, std::string_view literal);

// The verdict for a piece of a command that did not fit wholly: NotMine for a mismatch, NeedMore
// for a true prefix; nothing when it fitted and the handler reads on.
std::optional<HandlerResult> VerdictFor(Match match);

// The verdict while `pending` does not yet begin with the whole `literal`: NotMine when it never
// will, NeedMore while it still may. Nothing once it does, so the handler goes on reading:
//     if (const auto early = BeforeLiteral(pending, "^MBU")) return *early;
std::optional<HandlerResult> BeforeLiteral(std::string_view pending, std::string_view literal);

// A command of fixed length: `prefix` followed by `extra` bytes of any value. Done with that
// length, NeedMore while bytes are missing, NotMine when the front differs from the prefix.
HandlerResult FixedLength(std::string_view pending, std::string_view prefix, std::size_t extra = 0);

}  // namespace sim

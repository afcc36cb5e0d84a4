#pragma once

#include <string>

namespace sim {

// Ways a simulated printer can be made to fail, so that the host's time-outs and error paths can
// be exercised. Applied by the Server per reply and per connection; may change while it runs.
struct Misbehaviour {
    bool silent = false;   // receives and records, never replies
    int lateMs = 0;        // every reply leaves this many ms after its command was complete
    bool garbage = false;  // every reply is replaced by as many non-zero garbage bytes
    // Close the connection once this many bytes came in on it (-1: never).
    long dropAfterBytes = -1;
    // Stop serving altogether once this many bytes came in on a connection (-1: never), as a
    // printer switched off or a simulator killed mid-transfer: every connection, the listener and
    // the terminal close at once, and nothing answers until the server is started anew.
    long dieAfterBytes = -1;
};

// The garbage that replaces a reply: the same length, every byte non-zero and outside ASCII, so
// it can never be mistaken for a model name or a line end. Always the same for the same length.
std::string Garble(const std::string& reply);

}  // namespace sim

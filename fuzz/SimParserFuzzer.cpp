// The simulator's command parser on an arbitrary byte stream, fed in pieces as a link delivers
// them. The first two bytes choose the piece sizes; a command split anywhere must be parsed as if
// it came whole, so the same stream fed in one piece must give the same replies.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sim/Printer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    // Piece sizes from a small generator seeded by the input, 1 to `longest` bytes each.
    std::uint32_t state = data[0] | (std::uint32_t{data[1]} << 8);
    const std::size_t longest = 1 + data[1] % 64;
    const std::string_view stream(reinterpret_cast<const char*>(data) + 2, size - 2);

    sim::Printer pieces;
    std::string piecewiseReplies;
    for (std::size_t at = 0; at < stream.size();) {
        state = state * 1103515245u + 12345u;
        const std::size_t length = std::min(1 + (state >> 16) % longest, stream.size() - at);
        piecewiseReplies += pieces.Receive(stream.substr(at, length));
        at += length;
    }

    sim::Printer whole;
    const std::string wholeReplies = whole.Receive(stream);
    if (piecewiseReplies != wholeReplies || pieces.Received() != whole.Received()) {
        std::abort();
    }
    return 0;
}

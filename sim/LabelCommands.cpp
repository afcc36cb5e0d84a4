// The label commands: every TORQ command line that builds a label (T, V, B1, B2, BD, SW, SL,
// SM, SS, SD, SOT, SOB, CS, ...) and the print command P that prints it.
//
// The printer keeps each line of the label under construction as it came (without its CR or
// CR LF) and answers nothing. "P<n>" or "P<n>,<m>" moves the label to the printed ones and counts
// n labels (n times m with copies; at most a billion for one command, however large the numbers).
// What the lines draw is left to whoever renders them.
#include <algorithm>
#include <charconv>
#include <climits>
#include <optional>
#include <string_view>

#include "sim/CommandFamilies.h"

namespace sim {

namespace {

// Command lines of other families that also begin with a capital letter. The parser offers the
// bytes to the handlers in table order and the first Done wins; answering NotMine for these
// (and for "^" and ">RF", which never begin with a capital) gives their families the bytes
// wherever they stand in the table.
constexpr std::string_view kOtherFamilies[] = {
    "IS", "ID", "II",  "IR",  // image memory
    "SA", "TA", "CPS",        // print offset, tear-off position, status
};

bool IsCapital(char byte) {
    return byte >= 'A' && byte <= 'Z';
}

bool IsLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

// A printer prints at most so many labels for one print command; no count may overflow.
constexpr long kMostLabels = 1'000'000'000L;

// "P<n>" or "P<n>,<m>" with decimal numbers: the number of labels it prints.
std::optional<long> PrintedBy(std::string_view line) {
    if (line.size() < 2 || line[0] != 'P') {
        return std::nullopt;
    }
    const char* const end = line.data() + line.size();
    long count = 0;
    auto [at, error] = std::from_chars(line.data() + 1, end, count);
    if (error != std::errc() || at == line.data() + 1 || line[1] == '-') {
        return std::nullopt;
    }
    if (at == end) {
        return std::min(count, kMostLabels);
    }
    if (*at != ',') {
        return std::nullopt;
    }
    long copies = 0;
    const char* const copiesStart = at + 1;
    auto [copiesEnd, copiesError] = std::from_chars(copiesStart, end, copies);
    if (copiesError != std::errc() || copiesEnd != end || copiesEnd == copiesStart ||
        *copiesStart == '-') {
        return std::nullopt;
    }
    return count == 0 || copies <= kMostLabels / count ? count * copies : kMostLabels;
}

void TakeLine(std::string_view line, PrinterState& state) {
    LabelState& labels = state.labels;
    if (const auto printed = PrintedBy(line)) {
        labels.printed.push_back(std::move(labels.current));
        labels.current = Label();
        labels.printedCount += std::min(*printed, LONG_MAX - labels.printedCount);
        state.rfid.LabelPrinted();
        return;
    }
    labels.current.lines.emplace_back(line);
}

// The mark's note: the bytes read so far end inside the quoted data.
constexpr unsigned kQuoted = 1;

HandlerResult LabelLine(std::string_view pending, ScanMark& mark, PrinterState& state) {
    if (!IsCapital(pending.front())) {
        return HandlerResult::NotMine();
    }
    for (const std::string_view other : kOtherFamilies) {
        switch (MatchLiteral(pending, other)) {
            case Match::Whole:
                return HandlerResult::NotMine();
            case Match::Partial:
                return HandlerResult::NeedMore();
            case Match::Mismatch:
                break;
        }
    }
    // The line runs to its first CR or LF, also inside the quoted data. A "^" outside the
    // quoted data begins a command of another family: what came before it was no label command.
    // What came before the mark was read on an earlier call: go on from there.
    bool quoted = (mark.notes & kQuoted) != 0;
    std::size_t i = mark.scanned;
    for (; i < pending.size(); ++i) {
        const char byte = pending[i];
        if (IsLineEnd(byte)) {
            TakeLine(pending.substr(0, i), state);
            return HandlerResult::Done(i + 1);
        }
        if (quoted) {
            // A backslash takes the next byte into the data, but never the line end.
            if (byte == '\\' && i + 1 == pending.size()) {
                break;  // which it is, the next byte tells: read the backslash again then
            }
            if (byte == '\\' && !IsLineEnd(pending[i + 1])) {
                ++i;
            } else if (byte == '\'') {
                quoted = false;
            }
        } else if (byte == '\'') {
            quoted = true;
        } else if (byte == '^') {
            return HandlerResult::NotMine();
        }
    }
    mark.scanned = i;
    mark.notes = quoted ? kQuoted : 0;
    return HandlerResult::NeedMore();
}

}  // namespace

void AddLabelCommands(CommandTable& table) {
    table.Add("label command line, P print", ResumableHandler(LabelLine));
}

}  // namespace sim

// The label commands: every TORQ command line that builds a label (T, V, B1, B2, BD, SW, SL,
// SM, SS, SD, SOT, SOB, CS, ...) and the print command P that prints it.
//
// The printer keeps each accepted line of the label under construction as it came (without its
// CR or CR LF) and answers nothing. A drawing command also becomes an element of the label; a
// setting changes the format, which stays in force for the labels that follow. A line of a known
// command that the printer cannot read is refused: it is kept among the rejected lines and leaves
// the syntax error code for "^ee". Lines of other names are kept as they came.
//
// "P<n>" moves the label to the printed ones and counts n labels; "P<n>,<m>" prints m copies of
// each of n labels, n times m (at most a billion for one command, however large the numbers).
// A count of zero prints nothing and leaves the label in hand. With a label folder set, each
// print command that prints also writes its label there as a PNG file (one file for all copies).
#include <algorithm>
#include <climits>
#include <string>
#include <string_view>
#include <vector>

#include "sim/CommandFamilies.h"
#include "sim/LabelDrawing.h"
#include "sim/LabelLine.h"

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

void Refuse(std::string_view line, PrinterState& state) {
    std::vector<std::string>& rejected = state.labels.rejected;
    rejected.emplace_back(line);
    if (rejected.size() > LabelState::kMostRejected) {
        rejected.erase(rejected.begin());
    }
    state.status.errorCode = StatusState::kSyntaxError;
}

void TakeLine(std::string_view line, PrinterState& state) {
    LabelState& labels = state.labels;
    LabelLine read = ReadLabelLine(line);
    switch (read.kind) {
        case LabelLine::Kind::Malformed:
            Refuse(line, state);
            return;
        case LabelLine::Kind::Print:
            if (read.labels > 0) {
                labels.printed.push_back(std::move(labels.current));
                labels.current = Label();
                labels.printedCount += std::min(read.labels, LONG_MAX - labels.printedCount);
                state.rfid.LabelPrinted();
                LabelDrawing::WritePrinted(state, labels.printed.back(), read.labels);
            }
            return;
        case LabelLine::Kind::Drawing:
            labels.current.elements.push_back(std::move(read.element));
            break;
        case LabelLine::Kind::Setting:
            ApplySetting(read.setting, labels.format);
            break;
        case LabelLine::Kind::Unknown:
            break;
    }
    labels.current.lines.emplace_back(line);
}

// The mark's notes: bit 0 tells that the bytes read so far end inside the quoted data; the bits
// above hold where the first line end inside the quoted data of a 2D barcode stands (0: none).
constexpr unsigned kQuoted = 1;

// The data of a 2D barcode may hold line breaks (a PDF417 or QR Code of several lines), so a line
// end inside its quotes is data, up to this length of the line. Beyond it a missing closing
// apostrophe would swallow every command that follows: the line then ends at its first line end.
constexpr std::size_t kMostTwoDLine = 8192;

HandlerResult LabelCommand(std::string_view pending, ScanMark& mark, PrinterState& state) {
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
    // The line runs to its first CR or LF, also inside the quoted data (but for a 2D barcode's).
    // A "^" outside the quoted data begins a command of another family: what came before it was
    // no label command. What came before the mark was read on an earlier call: go on from there.
    const bool twoD = pending.substr(0, 2) == "B2";
    bool quoted = (mark.notes & kQuoted) != 0;
    std::size_t firstEnd = mark.notes >> 1;
    std::size_t i = mark.scanned;
    for (; i < pending.size(); ++i) {
        if (quoted && firstEnd != 0 && i >= kMostTwoDLine) {
            TakeLine(pending.substr(0, firstEnd), state);
            return HandlerResult::Done(firstEnd + 1);
        }
        const char byte = pending[i];
        if (IsLineEnd(byte) && twoD && quoted) {
            firstEnd = firstEnd != 0 ? firstEnd : i;
            continue;
        }
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
    mark.notes = (quoted ? kQuoted : 0) | static_cast<unsigned>(firstEnd << 1);
    return HandlerResult::NeedMore();
}

}  // namespace

void AddLabelCommands(CommandTable& table) {
    table.Add("label command line, P print", ResumableHandler(LabelCommand));
}

}  // namespace sim

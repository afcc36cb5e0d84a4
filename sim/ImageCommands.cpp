// The image family: store ("IS"), delete ("ID"), list ("II", printed as a label) and recall ("IR")
// pictures of the printer's image memory.
#include <climits>
#include <optional>

#include "sim/CommandFamilies.h"
#include "sim/CommandParser.h"
#include "sim/ImageFiles.h"

namespace sim {

namespace {

constexpr std::size_t kLongestName = 255;
constexpr std::size_t kMostDigits = 9;

// Reading the front of a command one piece at a time. Each step says whether the bytes so far
// still fit (Whole), need more to tell (Partial), or cannot be this command (Mismatch).
class Scan {
public:
    explicit Scan(std::string_view bytes) : bytes_(bytes) {}

    Match Literal(std::string_view text) {
        const Match match = MatchLiteral(bytes_.substr(at_), text);
        if (match == Match::Whole) {
            at_ += text.size();
        }
        return match;
    }

    // One to kMostDigits decimal digits, then something else.
    Match Number(long& value) {
        value = 0;
        std::size_t digits = 0;
        while (at_ < bytes_.size() && bytes_[at_] >= '0' && bytes_[at_] <= '9') {
            if (++digits > kMostDigits) {
                return Match::Mismatch;
            }
            value = value * 10 + (bytes_[at_++] - '0');
        }
        if (at_ == bytes_.size()) {
            return Match::Partial;
        }
        return digits == 0 ? Match::Mismatch : Match::Whole;
    }

    // "'" name "'": no line break inside, at most kLongestName bytes.
    Match QuotedName(std::string& name) {
        const Match open = Literal("'");
        if (open != Match::Whole) {
            return open;
        }
        for (std::size_t i = at_; i < bytes_.size(); ++i) {
            if (bytes_[i] == '\'') {
                name.assign(bytes_.substr(at_, i - at_));
                at_ = i + 1;
                return Match::Whole;
            }
            if (bytes_[i] == '\r' || bytes_[i] == '\n' || i - at_ >= kLongestName) {
                return Match::Mismatch;
            }
        }
        return Match::Partial;
    }

    std::size_t Used() const { return at_; }
    std::size_t Left() const { return bytes_.size() - at_; }
    std::string_view Rest() const { return bytes_.substr(at_); }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

HandlerResult Store(std::string_view pending, PrinterState& state) {
    Scan scan(pending);
    long size = 0;
    std::string name;
    std::optional<HandlerResult> verdict;
    if ((verdict = VerdictFor(scan.Literal("IS"))) || (verdict = VerdictFor(scan.Number(size))) ||
        (verdict = VerdictFor(scan.Literal(","))) ||
        (verdict = VerdictFor(scan.QuotedName(name)))) {
        return *verdict;
    }
    const std::size_t header = scan.Used();
    if (static_cast<std::size_t>(size) > CommandParser::kMaxPending - header) {
        // More than the printer could ever hold: the header goes, the bytes after it are junk.
        state.images.refused.push_back("IS '" + name + "': " + std::to_string(size) +
                                       " bytes is more than the image memory holds");
        return HandlerResult::Done(header);
    }
    if (scan.Left() < static_cast<std::size_t>(size)) {
        return HandlerResult::NeedMore();
    }
    const std::string_view file = scan.Rest().substr(0, static_cast<std::size_t>(size));
    StoredImage image;
    std::string why;
    if (name.empty()) {
        state.images.refused.push_back("IS '': no name");
    } else if (!ImageFiles::DecodePcx(file, image, why)) {
        state.images.refused.push_back("IS '" + name + "': " + why);
    } else {
        state.images.stored[name] = std::move(image);
    }
    return HandlerResult::Done(header + static_cast<std::size_t>(size));
}

HandlerResult Delete(std::string_view pending, PrinterState& state) {
    Scan scan(pending);
    if (auto verdict = VerdictFor(scan.Literal("ID"))) {
        return *verdict;
    }
    if (scan.Left() == 0) {
        return HandlerResult::NeedMore();
    }
    if (scan.Literal("*") == Match::Whole) {
        state.images.stored.clear();
        return HandlerResult::Done(scan.Used());
    }
    std::string name;
    if (auto verdict = VerdictFor(scan.QuotedName(name))) {
        return *verdict;
    }
    state.images.stored.erase(name);
    return HandlerResult::Done(scan.Used());
}

HandlerResult List(std::string_view pending, PrinterState& state) {
    Scan scan(pending);
    if (auto verdict = VerdictFor(scan.Literal("II"))) {
        return *verdict;
    }
    // The list comes out on a label of its own, never over the link (the host reads nothing
    // after asking): "IMAGES <count>", then "'<name>',<width>,<height>,<bytes>" for each. The
    // label under construction stays as it was.
    Label report;
    report.lines.push_back("IMAGES " + std::to_string(state.images.stored.size()));
    for (const auto& [name, image] : state.images.stored) {
        report.lines.push_back("'" + name + "'," + std::to_string(image.width) + "," +
                               std::to_string(image.height) + "," +
                               std::to_string(image.pcx.size()));
    }
    state.labels.printed.push_back(std::move(report));
    if (state.labels.printedCount < LONG_MAX) {
        ++state.labels.printedCount;
    }
    return HandlerResult::Done(scan.Used());
}

HandlerResult Recall(std::string_view pending, PrinterState& state) {
    Scan scan(pending);
    long x = 0;
    long y = 0;
    std::string name;
    std::optional<HandlerResult> verdict;
    if ((verdict = VerdictFor(scan.Literal("IR"))) || (verdict = VerdictFor(scan.Number(x))) ||
        (verdict = VerdictFor(scan.Literal(","))) || (verdict = VerdictFor(scan.Number(y))) ||
        (verdict = VerdictFor(scan.Literal(","))) ||
        (verdict = VerdictFor(scan.QuotedName(name)))) {
        return *verdict;
    }
    if (state.images.stored.count(name) == 0) {
        state.images.refused.push_back("IR '" + name + "': no such picture");
    } else {
        state.labels.current.images.push_back(
            PlacedImage{static_cast<int>(x), static_cast<int>(y), name});
    }
    return HandlerResult::Done(scan.Used());
}

}  // namespace

void AddImageCommands(CommandTable& table) {
    table.Add("IS store picture", Store);
    table.Add("ID delete picture", Delete);
    table.Add("II print the list of pictures", List);
    table.Add("IR recall picture", Recall);
}

}  // namespace sim

#include "sim/ProgramOptions.h"

#include <charconv>
#include <limits>
#include <optional>
#include <utility>

#include "sim/HexText.h"
#include "sim/RfidState.h"

namespace sim {

namespace {

// Digits only, the whole text, within [low, high].
bool ReadNumber(const std::string& text, long low, long high, long& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end && value >= low && value <= high;
}

bool ReadMediaKind(const std::string& text, MediaState::Kind& kind) {
    constexpr std::pair<const char*, MediaState::Kind> kKinds[] = {
        {"gap", MediaState::Kind::Gap},
        {"mark", MediaState::Kind::Mark},
        {"continuous", MediaState::Kind::Continuous},
    };
    for (const auto& [word, value] : kKinds) {
        if (text == word) {
            kind = value;
            return true;
        }
    }
    return false;
}

// Raises the flags a comma list names; false with `unknown` set at the first word it does not
// know (an empty word too).
bool ReadStatusList(const std::string& list, StatusState& status, std::string& unknown) {
    constexpr std::pair<const char*, bool StatusState::*> kFlags[] = {
        {"paper-empty", &StatusState::paperEmpty},
        {"cover-open", &StatusState::coverOpen},
        {"cutter-jammed", &StatusState::cutterJammed},
        {"head-overheat", &StatusState::headOverheat},
        {"gap-error", &StatusState::gapDetectionError},
        {"ribbon-end", &StatusState::ribbonEnd},
        {"paper-jam", &StatusState::paperJam},
        {"building", &StatusState::building},
        {"printing", &StatusState::printing},
        {"paused", &StatusState::paused},
    };
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = list.find(',', from);
        const std::string word = list.substr(from, comma - from);
        bool known = false;
        for (const auto& [name, flag] : kFlags) {
            if (word == name) {
                status.*flag = true;
                known = true;
            }
        }
        if (!known) {
            unknown = word;
            return false;
        }
        if (comma == std::string::npos) {
            return true;
        }
        from = comma + 1;
    }
}

// "none", or an EPC of 1 to RfidTag::kEpcSize bytes in hex.
bool ReadRfidTag(const std::string& text, std::optional<std::vector<std::uint8_t>>& tag) {
    if (text == "none") {
        tag.reset();
        return true;
    }
    const std::optional<std::vector<std::uint8_t>> epc = BytesFromHex(text);
    if (!epc || epc->empty() || epc->size() > RfidTag::kEpcSize) {
        return false;
    }
    tag = epc;
    return true;
}

}  // namespace

bool ProgramOptions::Parse(const std::vector<std::string>& arguments, std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const auto takeText = [&](std::string& into) {
            if (!hasValue) {
                error = option + " needs a value";
                return false;
            }
            into = arguments[++i];
            return true;
        };
        const auto takeNumber = [&](long low, long high, long& into) {
            std::string text;
            if (!takeText(text)) {
                return false;
            }
            if (!ReadNumber(text, low, high, into)) {
                error = option + " wants a number from " + std::to_string(low) + " to " +
                        std::to_string(high) + ", not \"" + text + "\"";
                return false;
            }
            return true;
        };
        long number = 0;
        if (option == "--help" || option == "-h") {
            help = true;
        } else if (option == "--port") {
            if (!takeNumber(0, 65535, number)) {
                return false;
            }
            port = static_cast<std::uint16_t>(number);
        } else if (option == "--host") {
            if (!takeText(host)) {
                return false;
            }
        } else if (option == "--model") {
            if (!takeText(model)) {
                return false;
            }
        } else if (option == "--record") {
            if (!takeText(recordFile)) {
                return false;
            }
        } else if (option == "--serial-link") {
            if (!takeText(serialLink)) {
                return false;
            }
        } else if (option == "--png-folder") {
            if (!takeText(pngFolder)) {
                return false;
            }
        } else if (option == "--label-folder") {
            if (!takeText(labelFolder)) {
                return false;
            }
        } else if (option == "--late") {
            if (!takeNumber(0, 600'000, number)) {
                return false;
            }
            misbehaviour.lateMs = static_cast<int>(number);
        } else if (option == "--drop-after") {
            if (!takeNumber(0, std::numeric_limits<long>::max(), number)) {
                return false;
            }
            misbehaviour.dropAfterBytes = number;
        } else if (option == "--media") {
            std::string kind;
            if (!takeText(kind)) {
                return false;
            }
            if (!ReadMediaKind(kind, media.kind)) {
                error = option + " wants gap, mark or continuous, not \"" + kind + "\"";
                return false;
            }
        } else if (option == "--label-length") {
            if (!takeNumber(1, 100'000, number)) {
                return false;
            }
            media.labelLength = static_cast<int>(number);
        } else if (option == "--status") {
            std::string list;
            std::string unknown;
            if (!takeText(list)) {
                return false;
            }
            if (!ReadStatusList(list, status, unknown)) {
                error = option + ": unknown status \"" + unknown + "\"";
                return false;
            }
        } else if (option == "--rfid-tag") {
            std::string epc;
            if (!takeText(epc)) {
                return false;
            }
            if (!ReadRfidTag(epc, rfidTag)) {
                error = option + " wants an EPC of 1 to " + std::to_string(RfidTag::kEpcSize) +
                        " bytes in hex, or none, not \"" + epc + "\"";
                return false;
            }
        } else if (option == "--silent") {
            misbehaviour.silent = true;
        } else if (option == "--garbage") {
            misbehaviour.garbage = true;
        } else if (option == "--sink") {
            sink = true;
        } else if (option == "--no-tcp") {
            tcp = false;
        } else if (option == "--no-pty") {
            pty = false;
        } else {
            error = "unknown option \"" + option + "\"";
            return false;
        }
    }
    if (!help && !tcp && !pty) {
        error = "--no-tcp and --no-pty leave nothing to serve";
        return false;
    }
    return true;
}

std::string ProgramOptions::Usage() {
    return "Usage: tagwell-printer-sim [options]\n"
           "A simulated TORQ label printer on TCP and a pseudo-terminal, for Tagwell.\n"
           "\n"
           "  --port N         TCP port (default 9100; 0: any free port)\n"
           "  --host ADDR      address to listen on (default 127.0.0.1)\n"
           "  --model NAME     model name the printer reports (default QX-M43)\n"
           "  --record FILE    append every byte received to FILE (in memory the printer\n"
           "                   keeps only the last 1 MiB)\n"
           "  --silent         receive and record, never reply\n"
           "  --late MS        send every reply MS milliseconds late\n"
           "  --garbage        reply garbage bytes instead of the real replies\n"
           "  --drop-after N   close a connection (or the terminal) after N bytes came in\n"
           "  --media KIND     media under the sensor: gap (default), mark or continuous\n"
           "  --label-length DOTS  label length along the feed (default 1200)\n"
           "  --status LIST    raise status flags, a comma list of: paper-empty, cover-open,\n"
           "                   cutter-jammed, head-overheat, gap-error, ribbon-end, paper-jam,\n"
           "                   building, printing, paused\n"
           "  --rfid-tag EPC   a blank tag with this EPC (hex, up to 12 bytes) in the RFID\n"
           "                   field (default " +
           HexFromBytes(RfidState::SampleEpc().data(), RfidState::SampleEpc().size()) +
           "); none: no tag\n"
           "  --no-tcp         do not listen on TCP\n"
           "  --no-pty         do not open a pseudo-terminal\n"
           "  --serial-link PATH  announce the terminal as PATH instead of the default link\n"
           "  --png-folder DIR    on stopping, write every stored picture to DIR as PNG\n"
           "  --label-folder DIR  write every printed label to DIR as PNG, as it prints:\n"
           "                      label-0001.png, ...; label-0002-x5.png for 5 copies\n"
           "  --sink              only count and hash the bytes that come outside commands\n"
           "                      (a file sent as it is); the totals are printed on stopping\n"
           "  --help           show this text\n"
           "\n"
           "Tagwell lists the terminal among its COM ports through a link in its simulator\n"
           "folder. The program ends on Ctrl+C (SIGINT) or SIGTERM.\n";
}

}  // namespace sim

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/MediaState.h"
#include "sim/Misbehaviour.h"
#include "sim/RfidState.h"
#include "sim/StatusState.h"

namespace sim {

// The command line of tagwell-printer-sim.
struct ProgramOptions {
    std::string host = "127.0.0.1";
    std::uint16_t port = 9100;  // 0: any free port
    bool tcp = true;
    bool pty = true;
    std::string model = "QX-M43";
    std::string recordFile;   // empty: record nothing
    std::string serialLink;   // empty: the default link in the simulator folder
    std::string pngFolder;    // empty: stored pictures are not written out at the end
    std::string labelFolder;  // empty: printed labels are not written out as pictures
    bool sink = false;        // raw data only counted and hashed, never kept
    Misbehaviour misbehaviour;
    MediaState media;    // --media sets its kind, --label-length its label length
    StatusState status;  // the flags --status raises
    // The EPC of the blank tag in the RFID field; nothing: the field is empty (--rfid-tag none).
    std::optional<std::vector<std::uint8_t>> rfidTag = RfidState::SampleEpc();
    bool help = false;

    // Reads the arguments (without the program name). Returns false with `error` set when they
    // make no sense.
    bool Parse(const std::vector<std::string>& arguments, std::string& error);

    static std::string Usage();
};

}  // namespace sim

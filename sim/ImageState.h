#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

// A picture in the printer's image memory, decoded from the PCX file it came as.
struct StoredImage {
    std::string pcx;  // the file as received
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> dots;  // row after row, 1 for a black dot, 0 for white

    bool Black(int x, int y) const {
        return dots[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)] != 0;
    }
};

struct ImageState {
    std::map<std::string, StoredImage> stored;  // by name
    std::vector<std::string> refused;           // why a store or recall was refused, oldest first
};

}  // namespace sim

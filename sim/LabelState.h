#pragma once

#include <string>
#include <vector>

namespace sim {

// A stored picture recalled onto a label: where it goes and which picture.
struct PlacedImage {
    int x = 0;
    int y = 0;
    std::string name;
};

// One label as the printer builds it from the commands that come before a print command.
struct Label {
    std::vector<std::string> lines;   // label command lines, without their CR or CR LF
    std::vector<PlacedImage> images;  // pictures recalled onto it
};

struct LabelState {
    Label current;  // the label under construction
    // One entry per print command or printed report (the picture list), oldest first.
    std::vector<Label> printed;
    long printedCount = 0;  // labels that came out (one print command may ask for several)
};

}  // namespace sim

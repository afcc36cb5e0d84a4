#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sim {

// A stored picture recalled onto a label: where it goes and which picture.
struct PlacedImage {
    int x = 0;
    int y = 0;
    std::string name;
};

// One drawing command the printer accepted onto a label: text, a barcode or a block.
struct LabelElement {
    enum class Kind { BitmapText, VectorText, Barcode1D, Barcode2D, Block };
    Kind kind = Kind::BitmapText;
    std::vector<std::string> fields;  // the fields before the data, as written
    std::string data;                 // the quoted data, unescaped (empty for Block)

    bool operator==(const LabelElement&) const = default;
};

// The settings in force: each stays as the last command set it, across labels. Unset until a
// command sets it.
struct LabelFormat {
    std::optional<int> width{}, length{};  // SW, SL (dots)
    enum class Media { Gap, Continuous, BlackMark };
    std::optional<Media> media{};
    std::optional<int> gapLength{};                   // SL's middle number
    std::optional<int> marginX{}, marginY{};          // SM
    std::optional<int> speed{}, density{};            // SS, SD
    std::optional<bool> topFirst{};                   // SOT true, SOB false
    std::optional<int> international{}, codeTable{};  // CS

    bool operator==(const LabelFormat&) const = default;
};

// One label as the printer builds it from the commands that come before a print command.
struct Label {
    std::vector<std::string> lines;      // accepted label command lines, without their CR or CR LF
    std::vector<LabelElement> elements;  // what the drawing lines among them draw, in order
    std::vector<PlacedImage> images;     // pictures recalled onto it
};

// The printed labels as PNG files, for people to look at (the simulator's own, no command sets it).
struct LabelFiles {
    std::string folder;   // empty: no files written
    long lastNumber = 0;  // the number of the last file, counted per printer from 1
    static constexpr std::size_t kMostFailures = 100;
    std::vector<std::string> failures;  // why a file was not written, the last kMostFailures
};

struct LabelState {
    Label current;  // the label under construction
    // One entry per print command that printed something or printed report (the picture list),
    // oldest first.
    std::vector<Label> printed;
    long printedCount = 0;  // labels that came out (one print command may ask for several)
    LabelFormat format;     // settings stay in force across labels, as on a printer

    static constexpr std::size_t kMostRejected = 100;
    std::vector<std::string> rejected;  // label lines refused as malformed, the last kMostRejected
    LabelFiles files;
};

}  // namespace sim

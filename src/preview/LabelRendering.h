#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "preview/LabelBitmap.h"

namespace preview {

// What the printer knows before the bytes arrive.
struct PrinterSetup {
    // The label's size in dots when the bytes set none (SW, SL): 4 by 6 inches at 203 dpi.
    int width = 812;
    int length = 1219;
    // Pictures already in the printer's image memory, by name.
    std::map<std::string, LabelBitmap> pictures;
    // Reads the picture file of an "IS" command within the bytes; without it, pictures stored by
    // the bytes themselves are unknown.
    std::function<std::optional<LabelBitmap>(QByteArrayView file)> readPicture;
};

// A command line that left nothing (or not all of itself) on the label, and why.
struct Undrawn {
    enum class Why {
        Unknown,         // no label command of this name
        Malformed,       // a label command the printer cannot read
        TwoByteFont,     // text in a two-byte font: its glyphs are not known here
        UnknownPicture,  // IR of a picture that is not in the printer's memory
        Barcode,         // the barcode library refused the data (detail says why)
        NotDrawing,      // a printer command that puts nothing on a label (^, >RF, IS, ID, ...)
        AssumedFont,     // drawn, but the font's cell size is assumed, not known
        Limit,           // beyond what the preview draws (a huge label, too many labels)
    };
    int line = 0;          // counted from 1 in the bytes
    QByteArray command{};  // the line as written, without its line end (at most 200 bytes of it)
    Why why = Why::Unknown;
    QString detail{};  // the picture's name, the barcode library's message, ...

    bool operator==(const Undrawn&) const = default;
};

struct RenderedLabel {
    LabelBitmap bitmap;  // the label as printed, width by length dots
    long copies = 0;     // how many the print command prints (0: not printed yet)
    int firstLine = 0;   // the lines of the bytes that built it, counted from 1
    int lastLine = 0;
};

struct Rendering {
    // One entry per print command that prints, in order; then, when the bytes end with drawing
    // commands that no print command followed, the label still in the making (copies 0).
    std::vector<RenderedLabel> labels;
    std::vector<Undrawn> undrawn;
};

// Draws the labels that `bytes` (TORQ command lines, ended by CR, LF or CR LF) would print.
Rendering RenderLabels(QByteArrayView bytes, const PrinterSetup& setup);

}  // namespace preview

#pragma once

#include <QByteArray>
#include <string>

#include "preview/LabelBitmap.h"
#include "preview/LabelRendering.h"
#include "sim/PrinterState.h"

namespace sim {

// A printed label drawn as the printer would have printed it, with the renderer the tester's
// preview uses, so that the preview of a script and the simulator's printout are the same dots;
// and written as the next PNG file of the label folder.
class LabelDrawing {
public:
    // The bytes the renderer reads: the margins and print direction in force (set on an earlier
    // label, they still apply), the label's lines, a recall line for each picture recalled onto
    // it, then a print command for one label.
    static QByteArray ScriptFor(const LabelFormat& format, const Label& label);
    // The size in force (SW, SL; else the paper settings) and the pictures recalled onto it.
    static preview::PrinterSetup SetupFor(const PrinterState& state, const Label& label);
    static preview::LabelBitmap FromStored(const StoredImage& image);
    // "label-0001.png"; "label-0003-x5.png" for a print command of five labels.
    static std::string FileName(long number, long copies);
    static std::string EncodePng(const preview::LabelBitmap& bitmap);

    // A label of more dots than this is not drawn: the size comes from any client (SW, SL).
    static constexpr long long kMostDots = 64LL * 1024 * 1024;

    // Writes `label`, just printed `copies` times, as the next file of the label folder (none
    // set: nothing). A file that cannot be written leaves its reason in the folder's failures;
    // the printer goes on.
    static void WritePrinted(PrinterState& state, const Label& label, long copies);
};

}  // namespace sim

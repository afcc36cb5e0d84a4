#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "preview/LabelBitmap.h"

namespace preview {

// A barcode drawn unturned with its top left corner at (0, 0), or why it could not be.
struct BarcodePiece {
    LabelBitmap bitmap;    // empty when it could not be drawn
    QString why;           // the barcode library's message when it could not
    std::string readable;  // a 1D barcode's human readable line (check digits included), to print
                           // under it when asked for; the caller draws it
};

// B1 fields after x and y, as numbers: symbology 0..9 (Code39, Code128, I2of5, Codabar, Code93,
// UPC-A, UPC-E, EAN13, EAN8, UCC/EAN128), narrow and wide bar widths, bar height in dots, human
// readable line on or off, quiet zone in narrow bars (0 when none is written).
struct Barcode1D {
    int symbology = 0;
    int narrow = 2;
    int wide = 7;
    int height = 100;
    bool readable = true;
    int quietZone = 0;
};
BarcodePiece DrawBarcode1D(const Barcode1D& barcode, std::string_view data);

// B2 fields after x and y, as written: the kind letter ("M", "P", "Q") and its parameters.
BarcodePiece DrawBarcode2D(const std::vector<std::string>& fields, std::string_view data);

}  // namespace preview

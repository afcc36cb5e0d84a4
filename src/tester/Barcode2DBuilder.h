#pragma once

#include "tester/LineBuilder.h"

// Composes one B2 command: a Maxicode, PDF417 or QR Code symbol. It keeps the fields of all three
// kinds at once, so that a field one kind does not use keeps its value for the next switch to a
// kind that does; the form is shaped for `kind`.
class Barcode2DBuilder : public LineBuilder {
public:
    enum class Kind { Maxicode, Pdf417, QrCode };

    // The kind as the command writes it: 'M', 'P' or 'Q'.
    static char Letter(Kind kind);
    // What choosing the Maxicode mode at `modeIndex` ("Mode 0", "Mode 2", "Mode 3", "Mode 4")
    // puts into the data.
    static QByteArray MaxicodeSample(int modeIndex);

    // Choosing a kind in the form, and reopening it: a kind other than the one shown brings its
    // own defaults (the fields it does not reset keep their values); the kind shown keeps every
    // value.
    void ChooseKind(Kind chosen);
    // Choosing a mode (Maxicode) or model (QR Code): a Maxicode mode brings its sample data.
    void ChooseMode(int index);

    QByteArray Line() const override;

    double x = 100;
    double y = 100;
    Kind kind = Kind::Maxicode;
    // The position in the mode list: Maxicode "Mode 0", "Mode 2", "Mode 3", "Mode 4"; QR Code
    // "Model 1", "Model 2".
    int modeIndex = 0;
    int maxRow = 30;
    int maxCol = 5;
    // The position in the error correction list: PDF417 levels 0..8; QR Code "L", "M", "Q", "H".
    int eclIndex = 0;
    int compress = 0;  // 0 Text, 1 Numeric, 2 Binary
    int hri = 1;
    int origin = 1;  // 0 Upper Left, 1 Center
    int moduleWidth = 3;
    // PDF417 bar height, QR Code size; no kind has given it a value yet on the first opening.
    int barHeight = 0;
    int rotation = 0;
    QByteArray data =
        "999,840,06810,7317,THIS IS A TEST OF MODE 0 STRUCTURED CARRIER MESSAGE ENCODING. THIS IS "
        "AN 84 CHAR MSG";
};

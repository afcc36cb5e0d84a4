#pragma once

#include <map>
#include <memory>
#include <string_view>
#include <tuple>

#include "preview/LabelBitmap.h"

namespace preview {

// Draws text with the font that ships with the project (DejaVu Sans Mono, an outline font drawn
// without grey by FreeType), so that a label looks the same on every machine. Every character
// fills a cell: its advance is the cell's width, its line the cell's height. Bytes are taken as
// Latin-1. One object per thread: it keeps the glyphs it drew for the next line.
class TextDrawing {
public:
    TextDrawing();
    ~TextDrawing();
    TextDrawing(const TextDrawing&) = delete;
    TextDrawing& operator=(const TextDrawing&) = delete;

    struct Style {
        int cellWidth = 17;   // dots
        int cellHeight = 26;  // dots
        int spacing = 0;      // dots between two cells (may be negative)
        bool bold = false;
        bool italic = false;
        int magnifyX = 1;  // every dot drawn as magnifyX by magnifyY dots (a bitmap font's
        int magnifyY = 1;  // multipliers); the cell and the spacing grow with it
    };

    // The text drawn at (0, 0), as wide as its cells and spacing and as high as one cell.
    LabelBitmap Draw(std::string_view text, const Style& style);

    // The cell width at which characters of the given cell height keep the font's own
    // proportions (what a scalable font's equal width and height ask for).
    int NaturalWidth(int cellWidth, int cellHeight) const;

    // False when the font could not be loaded: then Draw leaves its cells empty.
    bool Ready() const;

private:
    struct Fonts;
    const LabelBitmap& Glyph(unsigned char byte, const Style& style);

    std::unique_ptr<Fonts> fonts_;
    // Drawn glyphs by character, cell width, cell height, bold and italic.
    std::map<std::tuple<unsigned char, int, int, bool, bool>, LabelBitmap> glyphs_;
};

}  // namespace preview

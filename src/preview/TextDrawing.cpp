#include "preview/TextDrawing.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cmath>

namespace preview {

namespace {

// The font file, read once from the resources for every thread that draws.
const QByteArray& FontFile() {
    static const QByteArray file = [] {
        QFile font(QStringLiteral(":/preview/DejaVuSansMono.ttf"));
        return font.open(QIODevice::ReadOnly) ? font.readAll() : QByteArray();
    }();
    return file;
}

// Cells of a few thousand dots are beyond any label; a glyph larger still is not drawn.
constexpr int kLargestCell = 4000;

}  // namespace

struct TextDrawing::Fonts {
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~Fonts() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
};

TextDrawing::TextDrawing() : fonts_(std::make_unique<Fonts>()) {
    const QByteArray& file = FontFile();
    if (file.isEmpty() || FT_Init_FreeType(&fonts_->library) != 0) {
        return;
    }
    if (FT_New_Memory_Face(fonts_->library, reinterpret_cast<const FT_Byte*>(file.constData()),
                           static_cast<FT_Long>(file.size()), 0, &fonts_->face) != 0) {
        fonts_->face = nullptr;
    }
}

TextDrawing::~TextDrawing() = default;

bool TextDrawing::Ready() const {
    return fonts_->face != nullptr;
}

int TextDrawing::NaturalWidth(int cellWidth, int cellHeight) const {
    const FT_Face face = fonts_->face;
    if (face == nullptr || cellHeight <= 0) {
        return cellWidth;
    }
    // The advance over the line's height, times the width asked for in proportion to the height.
    const double ratio =
        static_cast<double>(face->max_advance_width) / (face->ascender - face->descender);
    return std::max(1, static_cast<int>(std::lround(ratio * cellWidth)));
}

const LabelBitmap& TextDrawing::Glyph(unsigned char byte, const Style& style) {
    const auto key =
        std::make_tuple(byte, style.cellWidth, style.cellHeight, style.bold, style.italic);
    const auto found = glyphs_.find(key);
    if (found != glyphs_.end()) {
        return found->second;
    }
    LabelBitmap& glyph = glyphs_[key];
    glyph = LabelBitmap(style.cellWidth, style.cellHeight);
    FT_Face face = fonts_->face;
    if (face == nullptr || byte <= 0x20 || (byte >= 0x7F && byte < 0xA0)) {
        return glyph;  // blanks and control bytes leave their cell empty
    }
    // The em square scaled so that the font's advance fills the cell's width and its ascent
    // plus descent the cell's height.
    const double unitsPerEm = face->units_per_EM;
    const double advance = face->max_advance_width / unitsPerEm;
    const double lineHeight = (face->ascender - face->descender) / unitsPerEm;
    const double emX = style.cellWidth / advance;
    const double emY = style.cellHeight / lineHeight;
    if (FT_Set_Char_Size(face, static_cast<FT_F26Dot6>(std::lround(emX * 64)),
                         static_cast<FT_F26Dot6>(std::lround(emY * 64)), 72, 72) != 0) {
        return glyph;
    }
    FT_Matrix slant{0x10000, 0, 0, 0x10000};
    if (style.italic) {
        slant.xy = 0x3000;  // about 11 degrees
    }
    FT_Set_Transform(face, &slant, nullptr);
    if (FT_Load_Char(face, byte, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) != 0) {
        return glyph;
    }
    FT_GlyphSlot slot = face->glyph;
    if (style.bold) {
        const FT_Pos strength = std::max<FT_Pos>(64, style.cellHeight * 64 / 24);
        FT_Outline_EmboldenXY(&slot->outline, strength, 0);
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) {
        return glyph;
    }
    const FT_Bitmap& bits = slot->bitmap;
    const int baseline = static_cast<int>(std::lround(face->ascender / unitsPerEm * emY));
    const int left = slot->bitmap_left;
    const int top = baseline - slot->bitmap_top;
    for (unsigned row = 0; row < bits.rows; ++row) {
        const unsigned char* line = bits.buffer + static_cast<std::ptrdiff_t>(row) * bits.pitch;
        for (unsigned column = 0; column < bits.width; ++column) {
            if ((line[column >> 3] & (0x80 >> (column & 7))) != 0) {
                glyph.Set(left + static_cast<int>(column), top + static_cast<int>(row),
                          LabelBitmap::Ink::Black);
            }
        }
    }
    return glyph;
}

LabelBitmap TextDrawing::Draw(std::string_view text, const Style& style) {
    const int magnifyX = std::clamp(style.magnifyX, 1, 16);
    const int magnifyY = std::clamp(style.magnifyY, 1, 16);
    const int cellWidth = std::clamp(style.cellWidth, 1, kLargestCell);
    const int cellHeight = std::clamp(style.cellHeight, 1, kLargestCell);
    const long long step = static_cast<long long>(cellWidth + style.spacing) * magnifyX;
    const long long count = static_cast<long long>(text.size());
    const long long width =
        count == 0 ? 0 : std::max<long long>(0, step * (count - 1) + cellWidth * magnifyX);
    // A text wider than any label is cut where no label reaches.
    LabelBitmap drawn(static_cast<int>(std::min<long long>(width, 40000)), cellHeight * magnifyY);
    Style cell = style;
    cell.cellWidth = cellWidth;
    cell.cellHeight = cellHeight;
    for (long long i = 0; i < count; ++i) {
        const long long origin = step * i;
        if (origin >= drawn.Width() || origin + cellWidth * magnifyX <= 0) {
            continue;
        }
        const LabelBitmap& glyph = Glyph(static_cast<unsigned char>(text[i]), cell);
        for (int row = 0; row < glyph.Height(); ++row) {
            for (int column = 0; column < glyph.Width(); ++column) {
                if (glyph.Black(column, row)) {
                    drawn.Fill(static_cast<int>(origin) + column * magnifyX, row * magnifyY,
                               magnifyX, magnifyY, LabelBitmap::Ink::Black);
                }
            }
        }
    }
    return drawn;
}

}  // namespace preview

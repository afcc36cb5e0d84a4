#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace preview {

// A 1-bit picture in printer dots, one byte per dot (1 black, 0 white): labels, the pieces drawn
// onto them and stored pictures. Everything outside it is white and drawing there is clipped.
class LabelBitmap {
public:
    enum class Ink {
        Black,   // dots become black
        White,   // dots become white
        Invert,  // dots change colour
    };

    LabelBitmap() = default;
    LabelBitmap(int width, int height);  // all white; a size below zero counts as zero

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    bool Black(int x, int y) const;
    void Set(int x, int y, Ink ink);
    // The rectangle at (x, y) of the given size, clipped to the picture.
    void Fill(int x, int y, int width, int height, Ink ink);

    // Puts every black dot of `piece` onto this picture with `ink`, the piece turned clockwise by
    // `quarterTurns` quarter turns about its top left corner, which lands on (x, y): at one quarter
    // turn the piece extends to the left of x and below y, at two to the left and above, at three
    // to the right and above.
    void Stamp(const LabelBitmap& piece, int x, int y, int quarterTurns, Ink ink);

    // The same picture turned clockwise by quarter turns.
    LabelBitmap Turned(int quarterTurns) const;

    // Black dots counted in a rectangle (clipped): what tests and the viewer ask about ink.
    long InkIn(int x, int y, int width, int height) const;

    // For display and PNG files: QImage::Format_Mono, white 0 and black 1 in its colour table.
    QImage ToImage() const;
    // Any picture to dots: a pixel darker than middle grey is black.
    static LabelBitmap FromImage(const QImage& image);

    const std::vector<std::uint8_t>& Dots() const { return dots_; }
    bool operator==(const LabelBitmap&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> dots_;
};

}  // namespace preview

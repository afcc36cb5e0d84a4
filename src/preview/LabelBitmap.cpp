#include "preview/LabelBitmap.h"

#include <algorithm>

namespace preview {

namespace {

std::size_t Index(int x, int y, int width) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
}

void Put(std::uint8_t& dot, LabelBitmap::Ink ink) {
    switch (ink) {
        case LabelBitmap::Ink::Black:
            dot = 1;
            break;
        case LabelBitmap::Ink::White:
            dot = 0;
            break;
        case LabelBitmap::Ink::Invert:
            dot ^= 1;
            break;
    }
}

int Turns(int quarterTurns) {
    return ((quarterTurns % 4) + 4) % 4;
}

}  // namespace

LabelBitmap::LabelBitmap(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      dots_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0) {
    if (width_ == 0 || height_ == 0) {
        width_ = height_ = 0;
        dots_.clear();
    }
}

bool LabelBitmap::Black(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && dots_[Index(x, y, width_)] != 0;
}

void LabelBitmap::Set(int x, int y, Ink ink) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        Put(dots_[Index(x, y, width_)], ink);
    }
}

void LabelBitmap::Fill(int x, int y, int width, int height, Ink ink) {
    // Widened, so that a rectangle reaching past the largest int still clips.
    const long long left = std::max<long long>(x, 0);
    const long long top = std::max<long long>(y, 0);
    const long long right = std::min<long long>(static_cast<long long>(x) + width, width_);
    const long long bottom = std::min<long long>(static_cast<long long>(y) + height, height_);
    for (long long row = top; row < bottom; ++row) {
        std::uint8_t* line = &dots_[Index(0, static_cast<int>(row), width_)];
        if (ink == Ink::Invert) {
            for (long long column = left; column < right; ++column) {
                line[column] ^= 1;
            }
        } else if (left < right) {
            std::fill(line + left, line + right, ink == Ink::Black ? 1 : 0);
        }
    }
}

void LabelBitmap::Stamp(const LabelBitmap& piece, int x, int y, int quarterTurns, Ink ink) {
    const int turns = Turns(quarterTurns);
    const int w = piece.width_;
    const int h = piece.height_;
    for (int row = 0; row < h; ++row) {
        const std::uint8_t* line = &piece.dots_[Index(0, row, w)];
        for (int column = 0; column < w; ++column) {
            if (line[column] == 0) {
                continue;
            }
            // Where the piece's dot (column, row) lands, turned about (x, y).
            long long tx = 0;
            long long ty = 0;
            switch (turns) {
                case 0:
                    tx = static_cast<long long>(x) + column;
                    ty = static_cast<long long>(y) + row;
                    break;
                case 1:
                    tx = static_cast<long long>(x) - 1 - row;
                    ty = static_cast<long long>(y) + column;
                    break;
                case 2:
                    tx = static_cast<long long>(x) - 1 - column;
                    ty = static_cast<long long>(y) - 1 - row;
                    break;
                default:
                    tx = static_cast<long long>(x) + row;
                    ty = static_cast<long long>(y) - 1 - column;
                    break;
            }
            if (tx >= 0 && ty >= 0 && tx < width_ && ty < height_) {
                Put(dots_[Index(static_cast<int>(tx), static_cast<int>(ty), width_)], ink);
            }
        }
    }
}

LabelBitmap LabelBitmap::Turned(int quarterTurns) const {
    const int turns = Turns(quarterTurns);
    const bool across = turns % 2 == 1;
    LabelBitmap turned(across ? height_ : width_, across ? width_ : height_);
    const int anchorX = turns == 1 || turns == 2 ? turned.width_ : 0;
    const int anchorY = turns == 2 || turns == 3 ? turned.height_ : 0;
    turned.Stamp(*this, anchorX, anchorY, turns, Ink::Black);
    return turned;
}

long LabelBitmap::InkIn(int x, int y, int width, int height) const {
    long count = 0;
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const long long right = std::min<long long>(static_cast<long long>(x) + width, width_);
    const long long bottom = std::min<long long>(static_cast<long long>(y) + height, height_);
    for (long long row = top; row < bottom; ++row) {
        for (long long column = left; column < right; ++column) {
            count += dots_[Index(static_cast<int>(column), static_cast<int>(row), width_)];
        }
    }
    return count;
}

QImage LabelBitmap::ToImage() const {
    QImage image(width_, height_, QImage::Format_Mono);
    if (image.isNull()) {
        return image;
    }
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.setDotsPerMeterX(7992);  // 203 dpi
    image.setDotsPerMeterY(7992);
    for (int row = 0; row < height_; ++row) {
        uchar* bits = image.scanLine(row);
        std::fill(bits, bits + image.bytesPerLine(), 0);
        const std::uint8_t* line = &dots_[Index(0, row, width_)];
        for (int column = 0; column < width_; ++column) {
            if (line[column] != 0) {
                bits[column >> 3] |= static_cast<uchar>(0x80 >> (column & 7));
            }
        }
    }
    return image;
}

LabelBitmap LabelBitmap::FromImage(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    LabelBitmap bitmap(grey.width(), grey.height());
    for (int row = 0; row < bitmap.height_; ++row) {
        const uchar* line = grey.constScanLine(row);
        for (int column = 0; column < bitmap.width_; ++column) {
            bitmap.dots_[Index(column, row, bitmap.width_)] = line[column] < 128 ? 1 : 0;
        }
    }
    return bitmap;
}

}  // namespace preview

#pragma once

#include <QByteArray>
#include <QList>

// The character set sample labels: the printer's characters printed under a chosen international
// character set and code table, in a bitmap font or the vector font. Each sample is a list of
// writes, every line ending in CR.
struct CharacterSetSample {
    enum class FontKind { Bitmap, Vector };
    enum class Sample {
        Under80,        // the bytes 0x20..0x7F on one label
        International,  // the characters that differ between the sets, one row per set
        Over80,         // the bytes 0x80..0xFF on one label
    };
    static constexpr int kInternationalSets = 16;
    static constexpr int kCodeTables = 23;
    // The multipliers' range and value for a bitmap font, the size's for the vector font.
    static constexpr int kBitmapLow = 1, kBitmapHigh = 4, kBitmapDefault = 1;
    static constexpr int kVectorLow = 1, kVectorHigh = 100, kVectorDefault = 35;

    int international = 0;  // CS's first number
    int table = 0;          // CS's second number
    FontKind fontKind = FontKind::Bitmap;
    double x = 20;
    double y = 20;
    char font = '3';
    // H Multi / Width and V Multi / Height. The text command writes the lower value first, where
    // the other commands put the horizontal size; the samples have always printed that way.
    int upper = 1;
    int lower = 1;

    QList<QByteArray> Writes(Sample sample) const;

private:
    QByteArray TextLine(double atX, double atY, const QByteArray& run) const;
};

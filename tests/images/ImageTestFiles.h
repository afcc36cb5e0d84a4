#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <ostream>
#include <vector>

#include "images/DitherMethod.h"
#include "images/PictureType.h"

// Lets GoogleTest print the image enums by their numbers.
inline void PrintTo(DitherMethod method, std::ostream* out) {
    *out << "DitherMethod(" << static_cast<int>(method) << ')';
}
inline void PrintTo(PictureType type, std::ostream* out) {
    *out << "PictureType(" << static_cast<int>(type) << ')';
}

// Pictures for the image tests, and the independent PCX decoders and encoders they are
// checked against: Python's Pillow and netpbm's pcxtoppm, as Debian packages them.
namespace images_test {

// Text rows from literals.
QStringList Rows(std::initializer_list<const char*> rows);
// A picture drawn from text rows: '#' black, '.' white.
QImage FromRows(const QStringList& rows);
// The rows of a picture, '#' where it is dark (grey below 128), '.' elsewhere.
QStringList ToRows(const QImage& picture);
// A flat picture of one grey level.
QImage Flat(int width, int height, int grey);
// Colours, gradients and an edge: what a photo has, in small.
QImage ColourScene(int width, int height);

// Black (true) or white for every pixel, after blending over white.
std::vector<bool> DarkPixels(const QImage& picture);

struct ProgramResult {
    bool started = false;
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};
ProgramResult RunProgram(const QString& program, const QStringList& arguments,
                         const QByteArray& input);

// A Python 3 that has Pillow, or an empty text.
QString PythonWithPillow();
// The picture written in a format Qt writes ("PNG", "JPG").
QByteArray Encoded(const QImage& picture, const char* format);
// The picture Pillow decodes from a PCX file (null, with `error` said, when it fails).
QImage DecodeWithPillow(const QByteArray& pcx, QString& error);
// A PCX file Pillow writes from `picture` in its `mode` ("1", "L", "P", "RGB").
QByteArray EncodeWithPillow(const QImage& picture, const QString& mode, QString& error);
// The picture netpbm's pcxtoppm decodes from a PCX file.
QImage DecodeWithPcxToPpm(const QByteArray& pcx, QString& error);

}  // namespace images_test

#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "images/DitherMethod.h"
#include "images/PictureType.h"

class Pacer;

// What the Image Viewer shows of a picture file: the file loaded by its extension's type, then
// dithered with the chosen method, or else reduced to one bit. Every load starts afresh from the
// file, never from the last result, and pauses after each step.
class PicturePreview {
public:
    static constexpr int kPauseAfterLoadingMs = 50;
    static constexpr int kPauseAfterDitheringMs = 30;
    static constexpr int kPauseAfterReductionMs = 50;

    // A picture that could be shown.
    struct Shown {
        PictureType type = PictureType::Unknown;
        int fileBitsPerPixel = 0;  // as the file holds the picture
        QImage image = {};         // black and white, unless the method is unknown
    };

    explicit PicturePreview(Pacer& pacer);

    // Nothing when the file cannot be shown; a file with no extension is not even read.
    std::optional<Shown> Load(const QString& path, DitherMethod method);

private:
    Pacer& pacer_;
};

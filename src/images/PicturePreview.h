#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <optional>

#include "images/DitherMethod.h"
#include "images/Picture.h"
#include "images/PictureType.h"

class Pacer;

// What the Image Viewer shows of a picture file: the file loaded by its extension's type, then
// brought to black and white the way the download brings it (Picture::ToBlackAndWhite), so
// the preview is what prints. Every load starts afresh from the loaded picture, never from the
// last result, and pauses after each step. The loaded picture (its grey levels) is kept while
// the file stays the same (path, size and modification time), so that another dither method
// only dithers.
class PicturePreview {
public:
    static constexpr int kPauseAfterLoadingMs = 50;
    static constexpr int kPauseAfterDitheringMs = 30;
    static constexpr int kPauseAfterReductionMs = 50;

    // A picture that could be shown.
    struct Shown {
        PictureType type = PictureType::Unknown;
        int fileBitsPerPixel = 0;  // as the file holds the picture
        QImage image = {};         // black and white
    };

    explicit PicturePreview(Pacer& pacer);

    // Nothing when the file cannot be shown; a file with no extension is not even read.
    std::optional<Shown> Load(const QString& path, DitherMethod method);
    // Whether the last Load refused the file for its picture's size (Picture::kMostPixels).
    bool TooLarge() const { return tooLarge_; }

private:
    // What identifies a file's content without reading it.
    struct FileKey {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const FileKey&) const = default;
    };
    static FileKey KeyOf(const QString& path);

    Pacer& pacer_;
    bool tooLarge_ = false;
    FileKey loadedKey_;
    Picture loaded_;
};

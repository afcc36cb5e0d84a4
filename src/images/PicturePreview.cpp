#include "images/PicturePreview.h"

#include <QFileInfo>

#include "forms/Pacer.h"
#include "images/Picture.h"

PicturePreview::PicturePreview(Pacer& pacer) : pacer_(pacer) {}

std::optional<PicturePreview::Shown> PicturePreview::Load(const QString& path,
                                                          DitherMethod method) {
    tooLarge_ = false;
    const QString extension = Picture::Extension(path);
    if (extension.isEmpty()) {
        return std::nullopt;
    }
    const PictureType type = Picture::TypeFromExtension(extension);
    const FileKey key = KeyOf(path);
    if (!(key == loadedKey_) || !loaded_.IsValid()) {
        loaded_.Load(path, type);
        loadedKey_ = key;
    }
    pacer_.Pause(kPauseAfterLoadingMs);
    if (!loaded_.IsValid()) {
        tooLarge_ = loaded_.TooLarge();
        return std::nullopt;
    }
    // A copy shares the loaded picture's pixels until the dithering makes its own.
    Picture picture = loaded_;
    Shown shown{.type = type, .fileBitsPerPixel = picture.BitsPerPixel()};
    switch (picture.ToBlackAndWhite(method)) {
        case Picture::Step::Dithered:
            pacer_.Pause(kPauseAfterDitheringMs);
            break;
        case Picture::Step::Reduced:
            pacer_.Pause(kPauseAfterReductionMs);
            break;
        case Picture::Step::Kept:
            break;
    }
    shown.image = picture.Image();
    return shown;
}

PicturePreview::FileKey PicturePreview::KeyOf(const QString& path) {
    const QFileInfo file(path);
    return {path, file.exists() ? file.size() : -1,
            file.exists() ? file.lastModified() : QDateTime()};
}

#include "images/PicturePreview.h"

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
    Picture picture;
    picture.Load(path, type);
    pacer_.Pause(kPauseAfterLoadingMs);
    if (!picture.IsValid()) {
        tooLarge_ = picture.TooLarge();
        return std::nullopt;
    }
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

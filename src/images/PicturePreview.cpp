#include "images/PicturePreview.h"

#include "forms/Pacer.h"
#include "images/Picture.h"

PicturePreview::PicturePreview(Pacer& pacer) : pacer_(pacer) {}

std::optional<PicturePreview::Shown> PicturePreview::Load(const QString& path,
                                                          DitherMethod method) {
    const QString extension = Picture::Extension(path);
    if (extension.isEmpty()) {
        return std::nullopt;
    }
    const PictureType type = Picture::TypeFromExtension(extension);
    Picture picture;
    picture.Load(path, type);
    pacer_.Pause(kPauseAfterLoadingMs);
    if (!picture.IsValid()) {
        return std::nullopt;
    }
    Shown shown{.type = type, .fileBitsPerPixel = picture.BitsPerPixel()};
    if (method != DitherMethod::None) {
        picture.Dither(method);
        pacer_.Pause(kPauseAfterDitheringMs);
    } else if (picture.BitsPerPixel() > 1) {
        picture.ReduceToOneBit();
        pacer_.Pause(kPauseAfterReductionMs);
    }
    shown.image = picture.Image();
    return shown;
}

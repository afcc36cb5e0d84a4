// The label renderer on arbitrary bytes: what a script file or a printer's connection may hold.
// Besides not crashing, every label must come out at a size within the renderer's limits.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "preview/LabelRendering.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    preview::PrinterSetup setup;
    // A small label keeps each run quick; SW and SL in the input may change it.
    setup.width = 200;
    setup.length = 150;
    preview::LabelBitmap logo(16, 8);
    logo.Fill(0, 0, 16, 8, preview::LabelBitmap::Ink::Black);
    setup.pictures["LOGO"] = logo;
    setup.readPicture = [&](QByteArrayView file) -> std::optional<preview::LabelBitmap> {
        if (file.isEmpty()) {
            return std::nullopt;
        }
        return preview::LabelBitmap(file.size() % 64, static_cast<unsigned char>(file[0]));
    };
    const preview::Rendering rendering = preview::RenderLabels(bytes, setup);
    for (const preview::RenderedLabel& label : rendering.labels) {
        if (label.bitmap.Width() < 1 || label.bitmap.Width() > 2032 || label.bitmap.Height() < 1 ||
            label.bitmap.Height() > 8128 || label.copies < 0) {
            std::abort();
        }
    }
    return 0;
}

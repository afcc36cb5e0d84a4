#include "sim/LabelDrawing.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

#include "sim/ImageFiles.h"

namespace sim {

namespace {

void Fail(LabelFiles& files, std::string why) {
    files.failures.push_back(std::move(why));
    if (files.failures.size() > LabelFiles::kMostFailures) {
        files.failures.erase(files.failures.begin());
    }
}

}  // namespace

QByteArray LabelDrawing::ScriptFor(const LabelFormat& format, const Label& label) {
    QByteArray script;
    if (format.marginX && format.marginY) {
        script += "SM" + QByteArray::number(*format.marginX) + ',' +
                  QByteArray::number(*format.marginY) + '\r';
    }
    if (format.topFirst) {
        script += *format.topFirst ? "SOT\r" : "SOB\r";
    }
    for (const std::string& line : label.lines) {
        script.append(line.data(), static_cast<qsizetype>(line.size())).append('\r');
    }
    for (const PlacedImage& image : label.images) {
        const std::string line = "IR" + std::to_string(image.x) + "," + std::to_string(image.y) +
                                 ",'" + image.name + "'\r";
        script.append(line.data(), static_cast<qsizetype>(line.size()));
    }
    return script.append("P1\r");
}

preview::PrinterSetup LabelDrawing::SetupFor(const PrinterState& state, const Label& label) {
    preview::PrinterSetup setup;
    setup.width = state.labels.format.width.value_or(state.settings.userValues[0]);
    setup.length = state.labels.format.length.value_or(state.settings.userValues[2]);
    for (const PlacedImage& placed : label.images) {
        const auto stored = state.images.stored.find(placed.name);
        // A picture deleted between its recall and the print is unknown here: it stays off.
        if (stored != state.images.stored.end() && setup.pictures.count(placed.name) == 0) {
            setup.pictures.emplace(placed.name, FromStored(stored->second));
        }
    }
    return setup;
}

preview::LabelBitmap LabelDrawing::FromStored(const StoredImage& image) {
    preview::LabelBitmap bitmap(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.Black(x, y)) {
                bitmap.Set(x, y, preview::LabelBitmap::Ink::Black);
            }
        }
    }
    return bitmap;
}

std::string LabelDrawing::FileName(long number, long copies) {
    char name[64];
    if (copies > 1) {
        std::snprintf(name, sizeof name, "label-%04ld-x%ld.png", number, copies);
    } else {
        std::snprintf(name, sizeof name, "label-%04ld.png", number);
    }
    return name;
}

std::string LabelDrawing::EncodePng(const preview::LabelBitmap& bitmap) {
    // The same one-bit layout as a stored picture: one encoder for every PNG the simulator writes.
    StoredImage image;
    image.width = bitmap.Width();
    image.height = bitmap.Height();
    image.dots = bitmap.Dots();
    return ImageFiles::EncodePng(image);
}

void LabelDrawing::WritePrinted(PrinterState& state, const Label& label, long copies) {
    LabelFiles& files = state.labels.files;
    if (files.folder.empty()) {
        return;
    }
    const std::string name = FileName(++files.lastNumber, copies);
    preview::PrinterSetup setup = SetupFor(state, label);
    if (setup.width <= 0 || setup.length <= 0 ||
        static_cast<long long>(setup.width) * setup.length > kMostDots) {
        Fail(files, name + ": a label of " + std::to_string(setup.width) + " x " +
                        std::to_string(setup.length) + " dots is not drawn");
        return;
    }
    const preview::Rendering rendering =
        preview::RenderLabels(ScriptFor(state.labels.format, label), setup);
    const preview::LabelBitmap bitmap = rendering.labels.empty()
                                            ? preview::LabelBitmap(setup.width, setup.length)
                                            : rendering.labels.front().bitmap;
    std::error_code failure;
    std::filesystem::create_directories(files.folder, failure);
    const std::string path = (std::filesystem::path(files.folder) / name).string();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        Fail(files, "cannot write " + path + ": " + std::strerror(errno));
        return;
    }
    const std::string png = EncodePng(bitmap);
    file.write(png.data(), static_cast<std::streamsize>(png.size()));
    file.close();
    if (!file) {
        Fail(files, "cannot write " + path + ": " + std::strerror(errno));
    }
}

}  // namespace sim

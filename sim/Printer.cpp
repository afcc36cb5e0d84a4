#include "sim/Printer.h"

#include <filesystem>
#include <set>
#include <utility>

#include "sim/CommandFamilies.h"
#include "sim/ImageFiles.h"

namespace sim {

Printer::Printer(std::string modelName) : ownStream_(StandardCommands()) {
    state_.modelName = std::move(modelName);
}

std::string Printer::Receive(std::string_view bytes) {
    return ReceiveOn(ownStream_, bytes);
}

std::string Printer::ReceiveOn(CommandParser& stream, std::string_view bytes) {
    const std::lock_guard lock(mutex_);
    received_.Append(bytes);
    if (recordFile_.is_open()) {
        recordFile_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        // Someone may be watching the file while the printer runs.
        recordFile_.flush();
    }
    return stream.Feed(bytes, state_);
}

CommandParser Printer::NewStream() const {
    return CommandParser(StandardCommands());
}

std::string Printer::Received() const {
    const std::lock_guard lock(mutex_);
    return received_.Last();
}

void Printer::ClearReceived() {
    const std::lock_guard lock(mutex_);
    received_.Clear();
}

bool Printer::SetRecordFile(const std::string& path) {
    const std::lock_guard lock(mutex_);
    recordFile_.close();
    recordFile_.clear();
    if (path.empty()) {
        return true;
    }
    recordFile_.open(path, std::ios::binary | std::ios::app);
    return recordFile_.is_open();
}

void Printer::SetLabelFolder(std::string folder) {
    const std::lock_guard lock(mutex_);
    state_.labels.files.folder = std::move(folder);
}

void Printer::SetModelName(std::string name) {
    const std::lock_guard lock(mutex_);
    state_.modelName = std::move(name);
}

std::string Printer::ModelName() const {
    const std::lock_guard lock(mutex_);
    return state_.modelName;
}

PrinterState Printer::Snapshot() const {
    const std::lock_guard lock(mutex_);
    return state_;
}

void Printer::Edit(const std::function<void(PrinterState&)>& change) {
    const std::lock_guard lock(mutex_);
    change(state_);
}

// Image family.

bool Printer::WriteImagesAsPng(const std::string& folder, std::string& error) const {
    const std::map<std::string, StoredImage> stored = Snapshot().images.stored;
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (failure) {
        error = "cannot make the folder " + folder + ": " + failure.message();
        return false;
    }
    std::set<std::string> used;
    for (const auto& [name, image] : stored) {
        // Names that differ only in characters a file name cannot hold keep files of their own.
        std::string base = ImageFiles::FileNameFor(name);
        for (int n = 2; !used.insert(base).second; ++n) {
            base = ImageFiles::FileNameFor(name) + "_" + std::to_string(n);
        }
        const std::string path = (std::filesystem::path(folder) / (base + ".png")).string();
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        const std::string png = ImageFiles::EncodePng(image);
        file.write(png.data(), static_cast<std::streamsize>(png.size()));
        file.close();
        if (!file) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

}  // namespace sim

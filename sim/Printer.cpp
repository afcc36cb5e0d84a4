#include "sim/Printer.h"

#include <utility>

#include "sim/CommandFamilies.h"

namespace sim {

Printer::Printer(std::string modelName) : ownStream(StandardCommands()) {
    state.modelName = std::move(modelName);
}

std::string Printer::Receive(std::string_view bytes) {
    return ReceiveOn(ownStream, bytes);
}

std::string Printer::ReceiveOn(CommandParser& stream, std::string_view bytes) {
    const std::lock_guard lock(mutex);
    received.append(bytes);
    if (recordFile.is_open()) {
        recordFile.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        // Someone may be watching the file while the printer runs.
        recordFile.flush();
    }
    return stream.Feed(bytes, state);
}

CommandParser Printer::NewStream() const {
    return CommandParser(StandardCommands());
}

std::string Printer::Received() const {
    const std::lock_guard lock(mutex);
    return received;
}

void Printer::ClearReceived() {
    const std::lock_guard lock(mutex);
    received.clear();
}

bool Printer::SetRecordFile(const std::string& path) {
    const std::lock_guard lock(mutex);
    recordFile.close();
    recordFile.clear();
    if (path.empty()) {
        return true;
    }
    recordFile.open(path, std::ios::binary | std::ios::app);
    return recordFile.is_open();
}

void Printer::SetModelName(std::string name) {
    const std::lock_guard lock(mutex);
    state.modelName = std::move(name);
}

std::string Printer::ModelName() const {
    const std::lock_guard lock(mutex);
    return state.modelName;
}

PrinterState Printer::Snapshot() const {
    const std::lock_guard lock(mutex);
    return state;
}

void Printer::Edit(const std::function<void(PrinterState&)>& change) {
    const std::lock_guard lock(mutex);
    change(state);
}

}  // namespace sim

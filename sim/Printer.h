#pragma once

#include <cstddef>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "sim/ByteTail.h"
#include "sim/CommandParser.h"
#include "sim/PrinterState.h"

namespace sim {

// A simulated label printer: it parses what a host sends, keeps its own state, answers queries
// and records every byte it received: all of them in the record file when one is set, the last
// kKeptReceived in memory. Thread-safe: the Server feeds it on its own thread while a test
// inspects it from another.
class Printer {
public:
    // Bytes received that stay in memory: enough for the end of any exchange a test looks at,
    // while a download of hundreds of megabytes costs no more than this (twice at most).
    static constexpr std::size_t kKeptReceived = 1024 * 1024;

    explicit Printer(std::string modelName = "QX-M43");

    // Feeds bytes from a host on the printer's own stream; returns the reply bytes (maybe empty).
    std::string Receive(std::string_view bytes);
    // The same for a stream of its own (each connection of a Server has one).
    std::string ReceiveOn(CommandParser& stream, std::string_view bytes);
    // A fresh stream that parses with this printer's commands.
    CommandParser NewStream() const;

    // The bytes received so far, on every stream, in order of arrival: the last kKeptReceived of
    // them (the record file has all).
    std::string Received() const;
    void ClearReceived();
    // Also appends every byte received from now on to this file (empty path: stop).
    // False when the file cannot be opened.
    bool SetRecordFile(const std::string& path);

    // Writes the label of every print command that prints into this folder as a PNG file, from
    // label-0001.png on (empty: stop). Files that cannot be written leave their reason in
    // PrinterState::labels.files.failures.
    void SetLabelFolder(std::string folder);

    void SetModelName(std::string name);
    std::string ModelName() const;

    // A copy of everything the printer remembers, for a look from outside.
    PrinterState Snapshot() const;
    // Changes the state under the printer's lock (a test preparing the printer, say).
    void Edit(const std::function<void(PrinterState&)>& change);

    // Image family.
    // Writes every stored picture as <folder>/<name>.png (the name made safe for a file name).
    // False, with `error` said, when the folder or a file cannot be written.
    bool WriteImagesAsPng(const std::string& folder, std::string& error) const;

private:
    mutable std::mutex mutex_;
    PrinterState state_;
    CommandParser ownStream_;
    ByteTail received_{kKeptReceived};
    std::ofstream recordFile_;
};

}  // namespace sim

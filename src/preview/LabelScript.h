#pragma once

#include <QByteArrayView>
#include <vector>

namespace preview {

// One command of a TORQ byte stream as a printer takes it apart.
struct ScriptCommand {
    int line = 0;           // where it starts, counted from 1 (CR LF, CR or LF end a line)
    QByteArrayView text{};  // the command line without its line end; for "IS" its header
    QByteArrayView file{};  // the picture file that follows an "IS" header
    bool cut = false;       // an "IS" whose file the stream ends before
};

// Splits the stream into commands. A line runs to its first CR or LF, except inside the quoted
// data of a 2D barcode (data of several lines) and for the file that follows an "IS" header,
// which is taken byte for byte as long as its size says.
std::vector<ScriptCommand> SplitScript(QByteArrayView bytes);

}  // namespace preview

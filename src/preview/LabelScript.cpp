#include "preview/LabelScript.h"

#include <algorithm>

namespace preview {

namespace {

bool IsLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

bool IsDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

// A 2D barcode's data may hold line breaks up to this length of the line; beyond it a missing
// closing apostrophe would swallow every command that follows, so the line ends at its first
// line end instead.
constexpr qsizetype kMostTwoDLine = 8192;

// The end of the line that starts at `from` (the index of its first line end, or the size).
qsizetype LineEnd(QByteArrayView bytes, qsizetype from) {
    const bool twoD = bytes.sliced(from).startsWith("B2");
    qsizetype firstEnd = -1;
    bool quoted = false;
    for (qsizetype i = from; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (IsLineEnd(byte)) {
            if (!(twoD && quoted)) {
                return i;
            }
            firstEnd = firstEnd < 0 ? i : firstEnd;
            if (i - from >= kMostTwoDLine) {
                return firstEnd;
            }
            continue;
        }
        if (quoted && byte == '\\' && i + 1 < bytes.size() && !IsLineEnd(bytes[i + 1])) {
            ++i;
        } else if (byte == '\'') {
            quoted = !quoted;
        }
    }
    return firstEnd >= 0 && quoted ? firstEnd : bytes.size();
}

// "IS<size>,'<name>'" at `from`: the index after the header and the file's size, or -1.
qsizetype StoreHeaderEnd(QByteArrayView bytes, qsizetype from, qsizetype& size) {
    qsizetype i = from + 2;
    size = 0;
    const qsizetype digits = i;
    while (i < bytes.size() && IsDigit(bytes[i]) && i - digits < 12) {
        size = size * 10 + (bytes[i] - '0');
        ++i;
    }
    if (i == digits || i + 1 >= bytes.size() || bytes[i] != ',' || bytes[i + 1] != '\'') {
        return -1;
    }
    for (i += 2; i < bytes.size() && !IsLineEnd(bytes[i]); ++i) {
        if (bytes[i] == '\'') {
            return i + 1;
        }
    }
    return -1;
}

}  // namespace

std::vector<ScriptCommand> SplitScript(QByteArrayView bytes) {
    std::vector<ScriptCommand> commands;
    int line = 1;
    qsizetype counted = 0;  // line ends before this index are counted in `line`
    const auto countTo = [&](qsizetype to) {
        for (; counted < to; ++counted) {
            const char byte = bytes[counted];
            if (byte == '\n' ||
                (byte == '\r' && (counted + 1 >= bytes.size() || bytes[counted + 1] != '\n'))) {
                ++line;
            }
        }
    };
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (IsLineEnd(bytes[at])) {
            ++at;
            continue;
        }
        countTo(at);
        ScriptCommand command{.line = line};
        qsizetype size = 0;
        const qsizetype headerEnd =
            bytes.sliced(at).startsWith("IS") ? StoreHeaderEnd(bytes, at, size) : -1;
        if (headerEnd >= 0) {
            const qsizetype available = bytes.size() - headerEnd;
            command.text = bytes.sliced(at, headerEnd - at);
            command.file = bytes.sliced(headerEnd, std::min(size, available));
            command.cut = size > available;
            at = headerEnd + command.file.size();
            // The file's own bytes are no lines of the script.
            counted = at;
        } else {
            const qsizetype end = LineEnd(bytes, at);
            command.text = bytes.sliced(at, end - at);
            at = end;
        }
        commands.push_back(command);
    }
    return commands;
}

}  // namespace preview

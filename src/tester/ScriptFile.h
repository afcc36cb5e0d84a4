#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The tester's scripts on disk: what a loaded file puts into the editor and how a script is
// written. The window chooses the file and says what went wrong.
class ScriptFile {
public:
    // Files larger than this are not loaded: the editor would take too long to lay them out
    // (a 2 MiB file without a line break takes about 2 s).
    static constexpr qint64 kLargestLoad = 2 * 1024 * 1024;

    enum class LoadResult { Done, CannotOpen, TooLarge, CannotRead };
    struct Loaded {
        LoadResult result = LoadResult::Done;
        // Up to the first zero byte, which the editor cannot hold: the script ends there.
        QByteArray bytes;
    };

    static Loaded Load(const QString& path);
    // Written beside the file and then put in its place, so a failed write leaves the old file.
    // False when the file cannot be written.
    static bool Save(const QString& path, QByteArrayView bytes);
};

#pragma once

#include <QFile>
#include <QString>

// Opening a file a person chose, for reading. Only a regular file is opened: a named pipe would
// hold the open (and the window) until another program writes to it, and a device or a folder is
// no file to print. The check is made on the opened file itself, so that nothing can be swapped
// in between.
class ChosenFile {
public:
    // Opens `path` into `file` (read-only, with `extra` modes such as Unbuffered); false, with
    // the file closed, when it cannot be opened or is not a regular file.
    static bool Open(QFile& file, const QString& path,
                     QIODevice::OpenMode extra = QIODevice::NotOpen);
    // Whether `path` is a regular file that can be opened for reading.
    static bool IsReadable(const QString& path);
};

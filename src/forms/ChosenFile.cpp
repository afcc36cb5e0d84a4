#include "forms/ChosenFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool ChosenFile::Open(QFile& file, const QString& path, QIODevice::OpenMode extra) {
    file.close();
    if (path.isEmpty()) {
        return false;
    }
    // Without waiting: a named pipe opens at once this way instead of waiting for a writer.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly | extra, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool ChosenFile::IsReadable(const QString& path) {
    QFile file;
    return Open(file, path);
}

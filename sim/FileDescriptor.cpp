#include "sim/FileDescriptor.h"

#include <unistd.h>

namespace sim {

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        fd = other.Release();
    }
    return *this;
}

int FileDescriptor::Release() {
    const int released = fd;
    fd = -1;
    return released;
}

void FileDescriptor::Close() {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

}  // namespace sim

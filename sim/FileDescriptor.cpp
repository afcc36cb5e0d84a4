#include "sim/FileDescriptor.h"

#include <unistd.h>

namespace sim {

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.Release();
    }
    return *this;
}

int FileDescriptor::Release() {
    const int released = fd_;
    fd_ = -1;
    return released;
}

void FileDescriptor::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace sim

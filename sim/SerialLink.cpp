#include "sim/SerialLink.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <cerrno>
#include <cstring>

namespace sim {

namespace {

std::string ReadLink(const std::string& linkPath) {
    char buffer[4096];
    const ssize_t length = ::readlink(linkPath.c_str(), buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, std::size_t(length)) : std::string();
}

std::string Failure(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

std::string SerialLink::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toStdString() +
           "/tagwell-serial";
}

std::string SerialLink::DefaultPath() {
    return DefaultFolder() + "/sim-" + std::to_string(::getpid());
}

bool SerialLink::Create(const std::string& linkPath, const std::string& linkTarget,
                        std::string& error) {
    Remove();
    const std::size_t slash = linkPath.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        const std::string folder = linkPath.substr(0, slash);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            error = Failure("cannot create the folder", folder);
            return false;
        }
    }
    struct stat existing {};
    if (::lstat(linkPath.c_str(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode)) {
            errno = EEXIST;
            error = Failure("will not replace", linkPath);
            return false;
        }
        ::unlink(linkPath.c_str());
    }
    if (::symlink(linkTarget.c_str(), linkPath.c_str()) != 0) {
        error = Failure("cannot create the link", linkPath);
        return false;
    }
    path_ = linkPath;
    target_ = linkTarget;
    return true;
}

void SerialLink::Remove() {
    if (!path_.empty() && ReadLink(path_) == target_) {
        ::unlink(path_.c_str());
    }
    path_.clear();
    target_.clear();
}

}  // namespace sim

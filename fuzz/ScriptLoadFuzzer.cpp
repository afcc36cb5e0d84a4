// The tester's loading of a script file, on arbitrary file contents.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "tester/ScriptFile.h"

namespace {

std::unique_ptr<QTemporaryDir> folder;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    folder = std::make_unique<QTemporaryDir>();
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = folder->filePath(QStringLiteral("script.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            std::abort();
        }
    }
    const ScriptFile::Loaded loaded = ScriptFile::Load(path);
    // A small file always loads, as far as its first zero byte.
    const qsizetype zero = bytes.indexOf('\0');
    if (loaded.result != ScriptFile::LoadResult::Done ||
        loaded.bytes != (zero < 0 ? bytes : bytes.first(zero))) {
        std::abort();
    }
    return 0;
}

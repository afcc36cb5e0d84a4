#include "tester/ScriptFile.h"

#include <QFile>
#include <QSaveFile>

#include "forms/ChosenFile.h"

ScriptFile::Loaded ScriptFile::Load(const QString& path) {
    QFile file;
    if (!ChosenFile::Open(file, path)) {
        return {LoadResult::CannotOpen, {}};
    }
    if (file.size() > kLargestLoad) {
        return {LoadResult::TooLarge, {}};
    }
    // One byte more than the limit shows a file that grew, or a device without a size.
    QByteArray bytes = file.read(kLargestLoad + 1);
    if (file.error() != QFileDevice::NoError) {
        return {LoadResult::CannotRead, {}};
    }
    if (bytes.size() > kLargestLoad) {
        return {LoadResult::TooLarge, {}};
    }
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0) {
        bytes.truncate(zero);
    }
    return {LoadResult::Done, bytes};
}

bool ScriptFile::Save(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), bytes.size()) == bytes.size() && file.commit();
}

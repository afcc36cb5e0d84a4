#include "support/RecordingMessages.h"

namespace {

QStringList TextsOf(const std::vector<RecordingMessages::Entry>& entries,
                    const RecordingMessages::Kind* only) {
    QStringList texts;
    for (const auto& entry : entries) {
        if (only == nullptr || entry.kind == *only) {
            texts << entry.text;
        }
    }
    return texts;
}

}  // namespace

QStringList RecordingMessages::Texts() const {
    return TextsOf(entries, nullptr);
}

QStringList RecordingMessages::Warnings() const {
    const Kind kind = Kind::Warning;
    return TextsOf(entries, &kind);
}

QStringList RecordingMessages::Informations() const {
    const Kind kind = Kind::Information;
    return TextsOf(entries, &kind);
}

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "forms/Messages.h"

// Keeps every box a window would have shown, in order, instead of showing it.
class RecordingMessages : public Messages {
public:
    enum class Kind { Information, Warning };
    struct Entry {
        Kind kind;
        QString text;
        bool operator==(const Entry&) const = default;
    };

    void Information(const QString& text) override { entries.push_back({Kind::Information, text}); }
    void Warning(const QString& text) override { entries.push_back({Kind::Warning, text}); }

    QStringList Texts() const;
    QStringList Warnings() const;
    QStringList Informations() const;
    void Clear() { entries.clear(); }

    std::vector<Entry> entries;
};

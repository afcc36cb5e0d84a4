#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "forms/Messages.h"

// Keeps every box a window would have shown, in order, instead of showing it.
class RecordingMessages : public Messages {
public:
    struct Entry {
        Kind kind;
        QString text;
        QString caption = {};  // empty: the program's name
        bool operator==(const Entry&) const = default;
    };

    void Show(Kind kind, const QString& text, const QString& caption) override {
        entries.push_back({kind, text, caption});
    }

    QStringList Texts() const;
    QStringList Warnings() const;
    QStringList Informations() const;
    void Clear() { entries.clear(); }

    std::vector<Entry> entries;
};

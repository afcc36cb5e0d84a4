#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

// The TORQ image commands: store ("IS"), delete ("ID"), information ("II") and recall ("IR").
// Names and positions go out as typed, with no escaping.
class ImageCommands {
    Q_DECLARE_TR_FUNCTIONS(ImageCommands)
public:
    // The one place where a typed name or position becomes command bytes: one byte per
    // character (ISO 8859-1), as every other form sends what is typed (PrinterText). Nothing for
    // a text holding a character without such a byte.
    static std::optional<QByteArray> Text(const QString& typed);

    // Empty when every character of `typed` has a byte, otherwise the warning to show, naming
    // the characters that have none.
    static QString TextProblem(const QString& typed);
    // A quote or line break in a name would end the name early and turn the rest, and for a
    // download part of the picture, into commands; a character without a byte cannot be sent.
    // Empty when the name is fine, otherwise the warning to show.
    static QString NameProblem(const QString& name);

    // Each builder gives nothing (an empty command) when a name or position has a character
    // without a byte: callers refuse such text first, with the problems above.

    // "IS<size>,'<name>'", no line end: the picture's bytes follow at once.
    static QByteArray StoreHeader(qint64 size, const QString& name);
    // After the picture: print it once at 100,100.
    static QByteArray StoreTrailer(const QString& name);
    // "ID'<name>'II": delete, then report what is left.
    static QByteArray Delete(const QString& name);
    static QByteArray DeleteAll();
    static QByteArray Information();
    // "IR<x>,<y>,'<name>'", then one label.
    static QByteArray Recall(const QString& x, const QString& y, const QString& name);
};

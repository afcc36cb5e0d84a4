#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

class Pacer;
class PrinterPort;

// The printer models Tagwell knows, in the order of their model index, and how a model-name
// reply is read.
class ModelIdentity {
public:
    // The query of the connect, written on its own; its reply is read once after a pause.
    static constexpr QByteArrayView kQuery{"^PI0\r\n"};
    static constexpr int kReplyPauseMs = 10;
    static constexpr int kReplyLength = 32;

    struct Reply {
        QString name;    // normalised
        int index = -1;  // -1: not a model we know
    };

    static const QStringList& ModelNames();

    // Asks the printer for its model name. Nothing when no byte came; a socket error counts as a
    // reply without text.
    static std::optional<Reply> Query(PrinterPort& port, Pacer& pacer);

    // The model name a reply stands for: the reply up to its first zero byte, "-R40" and "-R43"
    // written as "-M40" and "-M43", trailing CR and LF removed.
    static QString NormalisedName(const QByteArray& reply);
    // The index of the model whose name equals `name` ignoring letter case, or -1.
    static int IndexOf(const QString& name);
};

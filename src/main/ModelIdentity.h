#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The printer models Tagwell knows, in the order of their model index, and how a model-name
// reply is read.
class ModelIdentity {
public:
    static const QStringList& ModelNames();

    // The model name a reply stands for: the reply up to its first zero byte, "-R40" and "-R43"
    // written as "-M40" and "-M43", trailing CR and LF removed.
    static QString NormalisedName(const QByteArray& reply);
    // The index of the model whose name equals `name` ignoring letter case, or -1.
    static int IndexOf(const QString& name);
};

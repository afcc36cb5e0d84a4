#pragma once

#include <QByteArray>
#include <QWidget>
#include <functional>

#include "forms/ToolContext.h"

class QLabel;
class QProgressBar;

// How far a sample printer's run of writes has gone: a bar and a count under the form. The
// writes go one after another with the window kept painted between them; the first write the
// link refuses ends the run, so a vanished printer costs one failure, not a hundred.
class SampleRun : public QWidget {
    Q_OBJECT
public:
    SampleRun(const ToolContext& context, QWidget* parent);

    // Sends `write(0)` … `write(count - 1)`; true when the printer took every one.
    bool Send(int count, const std::function<QByteArray(int)>& write);

private:
    ToolContext context_;
    QProgressBar* bar_;
    QLabel* count_;
};

#pragma once

#include <QLabel>

// A label that shows a value (an answer, a count, a unit). Assistive technology reads the value
// itself, and nothing while it is empty; a plain empty label would be read out as the caption or
// group title beside it.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(QWidget* parent = nullptr);
    // Named like every other control (see Controls).
    static ValueLabel* Make(QWidget* parent, const char* name);
};

#pragma once

#include <QList>
#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

// Buttons as every window makes them.
class FormButtons {
public:
    // A button with a stable name. Enter belongs to the fields and the editor: it never presses a
    // button by surprise.
    static QPushButton* Make(QWidget* parent, const QString& text, const char* name);
    static QPushButton* Make(QWidget* parent, const QString& text, const QString& name);
    // A row with `left` at its left end and `right` at its right end.
    static QHBoxLayout* Row(const QList<QWidget*>& left, const QList<QWidget*>& right);
};

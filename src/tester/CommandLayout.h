#pragma once

#include <QString>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class QWidget;

// Lays a builder's fields out the way its command reads: the command name, then the fields of
// each row separated by comma labels, each field under its caption, and the data between two
// apostrophe labels on a row of its own.
class CommandLayout {
public:
    CommandLayout(QWidget* parent, const QString& name);

    // The whole arrangement, to put into the form's layout.
    QHBoxLayout* Layout() const { return outer_; }
    QLabel* Add(const QString& caption, QWidget* field);
    // A field under a caption that is a control itself (a check box that switches the field).
    void Add(QWidget* caption, QWidget* field);
    // Ends the current row with a comma; the next field starts a new one.
    void EndRow();
    // The data on its own row, after the comma that ends the row above.
    void AddData(QWidget* data);

private:
    QLabel* Mark(const QString& text);
    void StartRow();

    QWidget* parent_;
    QHBoxLayout* outer_;
    QVBoxLayout* rows_;
    QGridLayout* row_ = nullptr;
    int column_ = 0;
};

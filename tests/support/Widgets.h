#pragma once

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QByteArray>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <initializer_list>

// Finding a window's controls by object name and working them as a person would: clicks and
// typing go through Qt Test's event helpers, so a disabled or hidden control does nothing.

template <typename T = QWidget>
T* Find(const QWidget& parent, const QString& name) {
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}
template <typename T = QWidget>
T* Find(const QWidget& parent, const char* name) {
    return Find<T>(parent, QLatin1String(name));
}

// A left click in the middle of the button.
void Click(QAbstractButton* button);
void Click(const QWidget& parent, const QString& name);
void Click(const QWidget& parent, const char* name);

// Replaces the text of a line field or a step field by typing: select all, then the keys of
// `text` (ASCII only: Qt Test has no key for other characters; set such text with setText).
template <typename Field>
void Type(Field* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
        return;
    }
    QTest::keyClicks(field, text);
}

// Chooses the entry at `index` as the keyboard would (the list's current index changes and its
// signals fire).
void Choose(QComboBox* list, int index);

// Shows `window` as the active window, so that the focus moves within it as for a person.
void ShowActive(QWidget& window);
// Types into whatever has the focus, one key at a time, as a person would (ASCII only).
void TypeAtFocus(const char* text);
// The object name of the widget that has the focus (empty: none).
QString FocusedName();

// Texts of a test table, written as plain literals.
QStringList Texts(std::initializer_list<const char*> texts);

// Writes `bytes` into `folder` as `name`; the file's path.
QString WriteFile(const QDir& folder, const QString& name, const QByteArray& bytes);

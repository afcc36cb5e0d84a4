#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>
#include <initializer_list>

// Texts of a test table, written as plain literals.
inline QStringList Strings(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromUtf8(text);
    }
    return list;
}

// Finds the controls of a page by their object names and works them as a user would.
class PageDriver {
public:
    explicit PageDriver(QWidget& page) : page_(page) {}

    template <typename T = QWidget>
    T* Find(const QString& name) const {
        T* widget = page_.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    void Click(const QString& name) const { Find<QAbstractButton>(name)->click(); }
    bool Enabled(const QString& name) const { return Find(name)->isEnabled(); }
    QString Text(const QString& name) const { return Find<QLineEdit>(name)->text(); }
    void SetText(const QString& name, const QString& text) const {
        Find<QLineEdit>(name)->setText(text);
    }
    int Index(const QString& name) const { return Find<QComboBox>(name)->currentIndex(); }
    void Choose(const QString& name, int index) const {
        Find<QComboBox>(name)->setCurrentIndex(index);
    }
    bool Checked(const QString& name) const { return Find<QAbstractButton>(name)->isChecked(); }

private:
    QWidget& page_;
};

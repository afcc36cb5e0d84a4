#include "support/Widgets.h"

#include <QApplication>

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <algorithm>

void Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    // A radio button or check box takes clicks on its indicator and text only, which need not
    // reach the middle of a widget that its layout stretched: aim at the indicator.
    if (qobject_cast<QRadioButton*>(button) != nullptr ||
        qobject_cast<QCheckBox*>(button) != nullptr) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                          QPoint(std::min(8, button->width() / 2), button->height() / 2));
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

void Click(const QWidget& parent, const QString& name) {
    if (auto* button = Find<QAbstractButton>(parent, name)) {
        Click(button);
    }
}

void Click(const QWidget& parent, const char* name) {
    Click(parent, QLatin1String(name));
}

void Choose(QComboBox* list, int index) {
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(index);
}

void ShowActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
}

void TypeAtFocus(const char* text) {
    for (const char* key = text; *key != '\0'; ++key) {
        QTest::keyClicks(QApplication::focusWidget(), QString(QLatin1Char(*key)));
    }
}

QString FocusedName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromUtf8(text);
    }
    return list;
}

QString WriteFile(const QDir& folder, const QString& name, const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
}

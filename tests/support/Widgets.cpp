#include "support/Widgets.h"

#include <QFile>

void Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
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

void Type(QLineEdit* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
        return;
    }
    QTest::keyClicks(field, text);
}

void Choose(QComboBox* list, int index) {
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(index);
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

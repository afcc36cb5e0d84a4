#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "forms/Translations.h"
#include "main/MainWindow.h"
#include "support/TestRig.h"

namespace {

void RemoveTranslators() {
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

TEST(Translations, AJapaneseLocaleGetsTheJapaneseTexts) {
    ASSERT_TRUE(
        InstallTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("ja_JP"))));
    const QString translated = QCoreApplication::translate("MainWindow", "Success open port.");
    EXPECT_NE(translated, QStringLiteral("Success open port."));
    // Japanese script (hiragana, katakana or kanji), not a placeholder.
    EXPECT_TRUE(std::any_of(translated.begin(), translated.end(), [](QChar c) {
        return c.unicode() >= 0x3040 && c.unicode() <= 0x9FFF;
    }));
    // Qt's own standard buttons come in Japanese too.
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    TestRig rig;
    MainWindow window(rig.Context());
    EXPECT_NE(
        window.findChild<QWidget*>(QStringLiteral("connectButton"))->property("text").toString(),
        QStringLiteral("Connect"));
    RemoveTranslators();
}

TEST(Translations, AnEnglishLocaleKeepsTheOriginalTexts) {
    EXPECT_FALSE(
        InstallTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("en_US"))));
    EXPECT_EQ(QCoreApplication::translate("MainWindow", "Success open port."),
              QStringLiteral("Success open port."));
    RemoveTranslators();
}

}  // namespace

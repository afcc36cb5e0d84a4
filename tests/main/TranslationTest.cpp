#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "forms/Translations.h"
#include "main/MainWindow.h"
#include "support/FakeSpooler.h"
#include "support/TestRig.h"
#include "support/Widgets.h"
#include "tester/TesterWindow.h"

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
    FakeSpooler spooler;
    MainWindow window(rig.Context(), spooler);
    EXPECT_NE(
        window.findChild<QWidget*>(QStringLiteral("connectButton"))->property("text").toString(),
        QStringLiteral("Connect"));
    // "Set Configuration" keeps its "Configuration": it must not read as every page's "Set".
    const QString setConfiguration =
        window.findChild<QWidget*>(QStringLiteral("rfidConfigButton"))->property("text").toString();
    for (const char* page : {"SerialSettingsPage", "LanguageSettingsPage", "HardwareInfoPage"}) {
        EXPECT_NE(setConfiguration, QCoreApplication::translate(page, "Set")) << page;
    }
    RemoveTranslators();
}

TEST(Translations, TheTesterFileFiltersComeInJapaneseWithTheirPatterns) {
    ASSERT_TRUE(
        InstallTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("ja_JP"))));
    TestRig rig;
    TesterWindow window(rig.Context());
    Click(window, "loadButton");
    Click(window, "saveButton");
    RemoveTranslators();
    ASSERT_EQ(rig.files.requests.size(), 2u);
    EXPECT_EQ(rig.files.requests[0].nameFilters,
              QStringList({QStringLiteral("すべてのファイル(*.*) (*.*)"),
                           QStringLiteral("テキストファイル(*.txt) (*.txt)"),
                           QStringLiteral("バイナリファイル(*.bin) (*.bin)")}));
    EXPECT_EQ(rig.files.requests[1].nameFilters,
              QStringList({QStringLiteral("すべてのファイル(*.*) (*.*)"),
                           QStringLiteral("テキストファイル(*.txt) (*.txt)")}));
}

TEST(Translations, AnEnglishLocaleKeepsTheOriginalTexts) {
    EXPECT_FALSE(
        InstallTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("en_US"))));
    EXPECT_EQ(QCoreApplication::translate("MainWindow", "Success open port."),
              QStringLiteral("Success open port."));
    RemoveTranslators();
}

}  // namespace

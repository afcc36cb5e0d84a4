#include "forms/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallTranslations(QCoreApplication& application, const QLocale& locale) {
    // Owned by the application, so they live as long as the texts they translate.
    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    }
    auto* ownTexts = new QTranslator(&application);
    if (!ownTexts->load(locale, QStringLiteral("tagwell"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"))) {
        delete ownTexts;
        return false;
    }
    QCoreApplication::installTranslator(ownTexts);
    return true;
}

#pragma once

#include <QLocale>

class QCoreApplication;

// Installs our texts and Qt's own for the locale (Japanese, or English when there is no set for
// it). Returns whether our own set for the locale was found.
bool InstallTranslations(QCoreApplication& application, const QLocale& locale);

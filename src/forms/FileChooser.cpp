#include "forms/FileChooser.h"

#include <QApplication>
#include <QFileDialog>

namespace {

// "*.PCX" -> "*.[pP][cC][xX]", so that "photo.pcx" is offered too.
QString EitherCase(const QString& pattern) {
    if (pattern == QStringLiteral("*.*")) {
        return QStringLiteral("*");
    }
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            result += c;
        }
    }
    return result;
}

QString Choose(QFileDialog::AcceptMode mode, const QString& filterList, const QString& proposedName) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(NameFilters(filterList));
    if (!proposedName.isEmpty()) {
        dialog.selectFile(proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QStringList NameFilters(const QString& filterList) {
    const QStringList parts = filterList.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;
        }
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            patterns << EitherCase(pattern.trimmed());
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

QString DialogFileChooser::ChooseOpen(const QString& filterList) {
    return Choose(QFileDialog::AcceptOpen, filterList, {});
}

QString DialogFileChooser::ChooseSave(const QString& filterList, const QString& proposedName) {
    return Choose(QFileDialog::AcceptSave, filterList, proposedName);
}

#include "forms/DialogFileChooser.h"

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

QString Choose(QFileDialog::AcceptMode mode, const QStringList& nameFilters,
               const QString& proposedName) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    QStringList filters;
    for (const QString& filter : nameFilters) {
        filters << DialogNameFilter(filter);
    }
    dialog.setNameFilters(filters);
    if (!proposedName.isEmpty()) {
        dialog.selectFile(proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString DialogNameFilter(const QString& nameFilter) {
    // The patterns are the last parenthesised part; the description may hold parentheses too.
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !nameFilter.endsWith(QLatin1Char(')'))) {
        return nameFilter;
    }
    const QString patterns = nameFilter.mid(open + 1, nameFilter.size() - open - 2);
    QStringList converted;
    for (const QString& pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        converted << EitherCase(pattern);
    }
    return nameFilter.left(open + 1) + converted.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString DialogFileChooser::ChooseOpen(const QStringList& nameFilters) {
    return Choose(QFileDialog::AcceptOpen, nameFilters, {});
}

QString DialogFileChooser::ChooseSave(const QStringList& nameFilters, const QString& proposedName) {
    return Choose(QFileDialog::AcceptSave, nameFilters, proposedName);
}

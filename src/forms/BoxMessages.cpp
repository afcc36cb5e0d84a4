#include "forms/BoxMessages.h"

#include <QApplication>
#include <QMessageBox>

void BoxMessages::Show(Kind kind, const QString& text, const QString& caption) {
    QMessageBox box(kind == Kind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    caption.isEmpty() ? QCoreApplication::applicationName() : caption, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void ShowNotYetAvailable(Messages& messages) {
    messages.Information(
        QCoreApplication::translate("Messages", "This tool is not available in this version."));
}

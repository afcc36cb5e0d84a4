#include "forms/BoxMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void ShowBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace

void BoxMessages::Information(const QString& text) {
    ShowBox(QMessageBox::Information, text);
}

void BoxMessages::Warning(const QString& text) {
    ShowBox(QMessageBox::Warning, text);
}

void ShowNotYetAvailable(Messages& messages) {
    messages.Information(
        QCoreApplication::translate("Messages", "This tool is not available in this version."));
}

#include "forms/FormRunner.h"

QDialog::DialogCode RunModal(QDialog& form) {
    return form.exec() == QDialog::Accepted ? QDialog::Accepted : QDialog::Rejected;
}

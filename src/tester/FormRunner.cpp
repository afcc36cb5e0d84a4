#include "tester/FormRunner.h"

#include <QDialog>

void RunModal(QDialog& form) { form.exec(); }

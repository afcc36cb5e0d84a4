#include "settings/PageControls.h"

#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Messages.h"

void PageControls::Arrange(QWidget* page, QWidget* group, std::initializer_list<QWidget*> left,
                           std::initializer_list<QWidget*> right) {
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addLayout(Controls::Row(left, right));
    layout->addStretch();
}

void PageControls::Report(Messages& messages, bool success, const QString& successText,
                          const QString& failureText, const QString& successCaption) {
    if (success) {
        messages.Information(successText, successCaption);
    } else {
        messages.Warning(failureText);
    }
}

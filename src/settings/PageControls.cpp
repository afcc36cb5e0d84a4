#include "settings/PageControls.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "forms/Messages.h"

QPushButton* PageControls::Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void PageControls::Arrange(QWidget* page, QWidget* group, std::initializer_list<QWidget*> left,
                           std::initializer_list<QWidget*> right) {
    auto* buttons = new QHBoxLayout;
    for (QWidget* button : left) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    for (QWidget* button : right) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->addStretch();
}

void PageControls::Report(Messages& messages, bool success, const QString& successText,
                          const QString& failureText) {
    if (success) {
        messages.Information(successText);
    } else {
        messages.Warning(failureText);
    }
}

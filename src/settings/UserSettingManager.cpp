#include "settings/UserSettingManager.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "settings/HardwareInfoPage.h"
#include "settings/LanguageSettingsPage.h"
#include "settings/PrintAndPagePage.h"
#include "settings/PrinterInfoPage.h"
#include "settings/SerialSettingsPage.h"

UserSettingManager::UserSettingManager(const ToolContext& context, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("User Setting Manager"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("settingTabs"));
    // The doubled ampersand shows as one "&" on the tab.
    tabs_->addTab(new SerialSettingsPage(context, tabs_), tr("Serial"));
    tabs_->addTab(new LanguageSettingsPage(context, tabs_), tr("Language"));
    tabs_->addTab(new PrintAndPagePage(context, tabs_), tr("Print&&Page"));
    tabs_->addTab(new HardwareInfoPage(context, tabs_), tr("Hardware Info"));
    tabs_->addTab(new PrinterInfoPage(context, tabs_), tr("Printer Info"));
    tabs_->setCurrentIndex(Serial);

    auto* close =
        Controls::Button(this, tr("Close"), QStringLiteral("closeButton"), this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(bottom);
}

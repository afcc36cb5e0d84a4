#include "calibration/PrinterStatusDialog.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "calibration/StatusPage.h"
#include "forms/Controls.h"

PrinterStatusDialog::PrinterStatusDialog(const ToolContext& context, QWidget* parent)
    : QDialog(parent) {
    using Status = SettingsProtocol::Status;
    setWindowTitle(tr("Check Printer Status"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("statusTabs"));
    // Every request in sight: the dialog grows to the four tab labels rather than scroll them.
    tabs_->tabBar()->setUsesScrollButtons(false);
    const struct {
        Page page;
        Status request;
        QString label;
    } tabs[] = {
        {ErrorsAndJob, Status::ErrorsAndJob, tr("^cp Command")},
        {Errors, Status::Errors, tr("^cu Command")},
        {ErrorCode, Status::ErrorCode, tr("^ee Command")},
        {MechanismErrors, Status::MechanismErrors, tr("CPS Command")},
    };
    for (const auto& tab : tabs) {
        pages_[tab.page] = new StatusPage(tab.request, context, tabs_);
        tabs_->addTab(pages_[tab.page], tab.label);
    }
    tabs_->setCurrentIndex(ErrorsAndJob);

    QPushButton* close =
        Controls::Button(this, tr("Close"), QStringLiteral("closeButton"), this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(Controls::Row({}, {close}));
}

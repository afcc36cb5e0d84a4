#include "calibration/ManualCalibration.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "calibration/SensingCalibrationPage.h"
#include "calibration/SensingChart.h"
#include "forms/Controls.h"

ManualCalibration::ManualCalibration(const ToolContext& context, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Manual Calibration"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("calibrationTabs"));
    page_ = new SensingCalibrationPage(context, tabs_);
    tabs_->addTab(page_, tr("F/W Ver. 1.39 or Later"));

    chart_ = new SensingChart(this);
    connect(page_, &SensingCalibrationPage::Shown, this, &ManualCalibration::ShowChart);
    ShowChart();

    auto* close =
        Controls::Button(this, tr("CLOSE"), QStringLiteral("closeButton"), this, &QDialog::accept);
    auto* columns = new QHBoxLayout;
    columns->addWidget(tabs_);
    columns->addWidget(chart_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(Controls::Row({}, {close}));
}

void ManualCalibration::ShowChart() {
    const SensingCalibrationPage::Distribution shown = page_->ShownDistribution();
    chart_->Show(shown.counts, shown.marked, shown.selectedLevel);
}

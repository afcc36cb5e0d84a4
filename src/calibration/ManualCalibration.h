#pragma once

#include <QDialog>

#include "forms/ToolContext.h"

class SensingCalibrationPage;
class SensingChart;
class QTabWidget;

// The media calibration window: the calibration page on its one tab, and beside it the chart of
// the distribution the page shows. Each opening starts afresh.
class ManualCalibration : public QDialog {
    Q_OBJECT
public:
    explicit ManualCalibration(const ToolContext& context, QWidget* parent = nullptr);

    SensingCalibrationPage* Page() const { return page_; }
    SensingChart* Chart() const { return chart_; }

private:
    void ShowChart();

    QTabWidget* tabs_ = nullptr;
    SensingCalibrationPage* page_ = nullptr;
    SensingChart* chart_ = nullptr;
};

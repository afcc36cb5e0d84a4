#pragma once

#include <QDialog>
#include <array>

#include "forms/ToolContext.h"

class QTabWidget;
class StatusPage;

// "Check Printer Status": the printer's four status requests, each on a page of its own that
// sends it and shows the reply as ticked boxes. The dialog itself sends nothing.
class PrinterStatusDialog : public QDialog {
    Q_OBJECT
public:
    enum Page { ErrorsAndJob, Errors, ErrorCode, MechanismErrors, kPages };

    explicit PrinterStatusDialog(const ToolContext& context, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs_; }
    StatusPage* PageAt(Page page) const { return pages_[page]; }

private:
    QTabWidget* tabs_ = nullptr;
    std::array<StatusPage*, kPages> pages_{};
};

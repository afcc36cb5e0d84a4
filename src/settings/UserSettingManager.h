#pragma once

#include <QDialog>

#include "forms/ToolContext.h"

class QTabWidget;

// The five settings pages under one tab control. It sends nothing itself; each page talks to the
// printer on its own. Every opening starts from fresh pages, which keep their values while the
// window is open.
class UserSettingManager : public QDialog {
    Q_OBJECT
public:
    enum Page { Serial, Language, PrintAndPage, HardwareInfo, PrinterInfo, kPages };

    explicit UserSettingManager(const ToolContext& context, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs_; }

private:
    QTabWidget* tabs_ = nullptr;
};

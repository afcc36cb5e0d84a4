#pragma once

#include <QDialog>
#include <functional>
#include <memory>

struct ToolContext;
class QWidget;

// The tool windows the main window opens, each modal over it.
enum class Tool {
    UserSettingManager,
    CalibrationSettingManager,
    PcxFileDownloader,
    FileTransferManager,
    RfidConfiguration,
    RfidWriteRead,
    TorqTester,
};

// Makes the window of a tool, ready to run; nothing for a tool this version does not have.
using ToolWindowFactory =
    std::function<std::unique_ptr<QDialog>(Tool tool, const ToolContext& context, QWidget* parent)>;

// The real windows.
std::unique_ptr<QDialog> MakeToolWindow(Tool tool, const ToolContext& context, QWidget* parent);

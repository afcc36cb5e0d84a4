#pragma once

#include <functional>

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

using ToolOpener = std::function<void(Tool tool, const ToolContext& context, QWidget* parent)>;

// Opens the real window of a tool and returns when it is closed.
void OpenToolWindow(Tool tool, const ToolContext& context, QWidget* parent);

#pragma once

#include <QWidget>
#include <array>

#include "forms/ToolContext.h"
#include "settings/SerialSwitch.h"
#include "settings/SettingsProtocol.h"

class QComboBox;
class QPushButton;

// The printer's own serial line settings (memory switch 2): handshake, stop bits, data length,
// parity and baud rate. Not the settings of the computer's port.
class SerialSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SerialSettingsPage(const ToolContext& context, QWidget* parent = nullptr);

    void Get();
    void Set();
    void DefaultSetting();

private:
    void ReadForm();
    void ShowFields();
    void EnableLists(bool enabled);

    ToolContext context_;
    SettingsProtocol protocol_;
    SerialSwitch fields_;
    std::array<QComboBox*, SerialSwitch::kLists> lists_{};
    QPushButton* set_ = nullptr;
};

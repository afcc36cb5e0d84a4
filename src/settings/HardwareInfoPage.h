#pragma once

#include <QWidget>
#include <array>

#include "forms/ToolContext.h"
#include "settings/SettingsProtocol.h"

class QLineEdit;

// The three identification texts kept in the printer: hardware version, serial number and a
// user-defined printer ID, each with Get, Set and Initialize.
class HardwareInfoPage : public QWidget {
    Q_OBJECT
public:
    using Text = SettingsProtocol::Identification;
    static constexpr int kTexts = 3;

    explicit HardwareInfoPage(const ToolContext& context, QWidget* parent = nullptr);

    void Get(Text which);
    void Set(Text which);
    void Initialise(Text which);

    // The longest text the printer keeps for each.
    static int Limit(Text which);

private:
    void ReadForm();
    void ShowFields();
    void LimitLength(Text which);

    ToolContext context_;
    SettingsProtocol protocol_;
    std::array<QString, kTexts> fields_;
    std::array<QLineEdit*, kTexts> edits_{};
};

#pragma once

#include <QWidget>

#include "forms/ToolContext.h"
#include "settings/LanguageSwitches.h"
#include "settings/SettingsProtocol.h"

class QComboBox;
class QPushButton;

// The printer's default code page (memory switch 1) and default international character set
// (memory switch 3, as this page reads it). Each list entry carries its switch value.
class LanguageSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit LanguageSettingsPage(const ToolContext& context, QWidget* parent = nullptr);

    void Get();
    void Set();

private:
    void ReadForm();
    void ShowFields();

    ToolContext context_;
    SettingsProtocol protocol_;
    LanguageSwitches switches_;
    LanguageSwitches::Fields fields_;
    QComboBox* codePageList_ = nullptr;
    QComboBox* characterSetList_ = nullptr;
    QPushButton* set_ = nullptr;
};

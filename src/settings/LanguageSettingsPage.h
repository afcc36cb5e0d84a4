#pragma once

#include <QWidget>

#include "forms/ToolContext.h"
#include "settings/SettingsProtocol.h"

class QComboBox;
class QPushButton;

// The printer's default code page (memory switch 1) and default international character set
// (memory switch 3, as this page reads it). A list position is the switch value itself.
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
    int codePage_ = -1;
    int ics_ = -1;
    QComboBox* codePageList_ = nullptr;
    QComboBox* icsList_ = nullptr;
    QPushButton* set_ = nullptr;
};

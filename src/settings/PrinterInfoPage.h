#pragma once

#include <QWidget>
#include <array>

#include "forms/ToolContext.h"
#include "settings/SettingsProtocol.h"

class QLabel;
class QProgressBar;

// Reads four facts from the printer with one button: model name, model type, firmware version
// and print head temperature.
class PrinterInfoPage : public QWidget {
    Q_OBJECT
public:
    enum Fact { ModelName, ModelType, FirmwareVersion, HeadTemperature, kFacts };
    static constexpr int kProgressStep = 10;

    explicit PrinterInfoPage(const ToolContext& context, QWidget* parent = nullptr);

    void Get();
    // The texts as the last successful Get left them.
    const QString& Field(Fact fact) const { return fields_[fact]; }

private:
    void ShowFields();
    void Advance();

    ToolContext context_;
    SettingsProtocol protocol_;
    std::array<QString, kFacts> fields_;
    std::array<QLabel*, kFacts> labels_{};
    QProgressBar* progress_ = nullptr;
};

#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <initializer_list>

#include "forms/ToolContext.h"
#include "settings/PrintSwitchRows.h"
#include "settings/SettingsProtocol.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The printer's print and media settings, one row each with its own Get and Set. A row cannot be
// set before it has been read: its field and Set start disabled until a Get succeeds.
class PrintAndPagePage : public QWidget {
    Q_OBJECT
public:
    // The rows with a number field, in the order a form reading checks them.
    enum NumericRow {
        HorizontalMargin,
        PaperLength,
        VerticalMargin,
        PaperWidth,
        PrintDensity,
        GapLength,
        PrintOffset,
        TearOff,
        kNumericRows
    };

    // The speed list is built for the model identified when the page is created.
    explicit PrintAndPagePage(const ToolContext& context, QWidget* parent = nullptr);

    void TextGet(NumericRow row);
    void UserValueSet(NumericRow row);
    void SignedGet(NumericRow row);
    void SignedSet(NumericRow row);
    void SwitchGet(PrintSwitchRows::Row row);
    void SwitchSet(PrintSwitchRows::Row row);
    void CheckLabelLengthSet();
    void Initialise();

private:
    struct Row {
        QLineEdit* edit = nullptr;
        QCheckBox* negative = nullptr;  // the signed rows only
        QPushButton* set = nullptr;
        int value = 0;
    };

    void BuildForm();
    void AddNumericRow(QGridLayout* grid, int line, NumericRow row);
    // Puts a list with its label into the row, disabled.
    void AddList(QGridLayout* grid, int line, const QString& label, QComboBox* list);
    // The Get and Set buttons at the end of a row, Set disabled; returns Set.
    QPushButton* AddButtons(QGridLayout* grid, int line, const QString& name,
                            const std::function<void()>& get, const std::function<void()>& set);
    // Copies every number field into its value, checking each in turn; the first that fails
    // shows its warning, takes the focus and ends the reading.
    bool ReadForm();
    // "Getting <noun> is ..." and "Setting <noun> is ...".
    void ReportGet(bool success, const char* noun);
    void ReportSet(bool success, const char* noun);
    void MarkRead(std::initializer_list<QWidget*> widgets);
    // The selections of the switch rows into switches_, and back.
    void ReadSwitchForm();
    void ShowSwitches();

    ToolContext context_;
    SettingsProtocol protocol_;
    PrintSwitchRows switchRows_;
    PrintSwitchRows::Fields switches_;
    std::array<Row, kNumericRows> rows_{};
    std::array<QRadioButton*, 3> strobe_{};
    QButtonGroup* strobeGroup_ = nullptr;
    QPushButton* strobeSet_ = nullptr;
    QComboBox* speed_ = nullptr;
    QPushButton* speedSet_ = nullptr;
    QComboBox* gapDetect_ = nullptr;
    QPushButton* gapDetectSet_ = nullptr;
    QRadioButton* checkDisable_ = nullptr;
    QRadioButton* checkEnable_ = nullptr;
};

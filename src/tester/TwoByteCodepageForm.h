#pragma once

#include <QDialog>

#include "forms/ToolContext.h"
#include "tester/TwoByteCodepage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class SampleRun;

// "2 Byte Codepage": prints the characters of a two-byte code table, one label per lead byte. It
// inserts nothing into the editor; each opening starts from the defaults.
class TwoByteCodepageForm : public QDialog {
    Q_OBJECT
public:
    explicit TwoByteCodepageForm(const ToolContext& context, QWidget* parent = nullptr);

    void ChooseTable(int index);
    void ChoosePrintAll(bool all);
    void ChooseFontKind(TwoByteCodepage::FontKind kind);
    void PrintCharacters();

private:
    // The block area, start and end as the chosen table has them.
    void ShowTableBlocks();
    // Reads a block field; nothing after `wrong` was shown.
    std::optional<std::uint8_t> ReadBlock(QLineEdit* field, const QString& wrong);
    // Reads the form into the code page; false after the first wrong field's message.
    bool ReadSize();

    ToolContext context_;
    TwoByteCodepage codepage_;
    QComboBox* tableList_;
    QLineEdit* startField_;
    QLineEdit* endField_;
    QLabel* areaLabel_;
    QCheckBox* printAllBox_;
    QRadioButton* bitmapRadio_;
    QRadioButton* vectorRadio_;
    QComboBox* fontList_;
    QLineEdit* widthField_;
    QLineEdit* heightField_;
    SampleRun* run_;
};

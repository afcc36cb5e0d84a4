#include "settings/PrintAndPagePage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <vector>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "forms/Validation.h"
#include "settings/PageControls.h"
#include "settings/PrintSpeedTable.h"

namespace {

constexpr int kNoRange = -1;

using Value = SettingsProtocol::UserValue;
using SwitchRow = PrintSwitchRows::Row;
using Strobe = SwitchFourCodes::Strobe;
using GapDetect = SwitchFourCodes::GapDetect;

// The strobe buttons, numbered as the printer numbers its strobes.
const struct {
    Strobe strobe;
    const char* number;
} kStrobes[] = {{Strobe::Two, "2"}, {Strobe::Three, "3"}, {Strobe::Four, "4"}};

// The switch rows' part of their messages.
const char* Noun(SwitchRow row) {
    switch (row) {
        case SwitchRow::Strobe:
            return QT_TRANSLATE_NOOP("PrintAndPagePage", "strobe");
        case SwitchRow::Speed:
            return QT_TRANSLATE_NOOP("PrintAndPagePage", "speed");
        case SwitchRow::GapDetect:
            break;
    }
    return QT_TRANSLATE_NOOP("PrintAndPagePage", "gap detect position");
}

struct RowRules {
    const char* label;
    const char* name;  // object names: <name>Edit, <name>GetButton, <name>SetButton
    int low;
    int high;                       // kNoRange: any integer
    const char* noun;               // in the Get and Set messages
    const char* setNoun = nullptr;  // where the Set messages write it otherwise
    Value value = {};               // the user value rows
    QByteArrayView query = {};      // the signed rows: the request that reads it
    QByteArrayView letters = {};    // and the letters that write it
};

// Indexed by PrintAndPagePage::NumericRow.
const RowRules kRows[] = {
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Paper Horizontal Margin:"), "horizontalMargin", 0, 832,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "paper horizontal margin"), nullptr,
     Value::HorizontalMargin},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Paper Length:"), "paperLength", 0, 2432,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "paper length"), nullptr, Value::PaperLength},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Paper Vertical Margin:"), "verticalMargin", 0, 2432,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "paper vertical margin"), nullptr,
     Value::VerticalMargin},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Paper Width:"), "paperWidth", 0, 832,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "paper width"), nullptr, Value::PaperWidth},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Print Density:"), "printDensity", 0, 20,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "print density"), nullptr, Value::PrintDensity},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Gap Length:"), "gapLength", 0, kNoRange,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "gap length"), nullptr, Value::GapLength},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Print Offset:"), "offset", 0, 100,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "offset"), nullptr, Value(),
     SettingsProtocol::kPrintOffsetQuery, SettingsProtocol::kPrintOffsetLetters},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Tear-off/Cutting:"), "tearOff", 0, 100,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "tear-off/cutting position"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Tear-Off/Cutting position"), Value(),
     SettingsProtocol::kTearOffQuery, SettingsProtocol::kTearOffLetters},
};
static_assert(std::size(kRows) == PrintAndPagePage::kNumericRows);

const RowRules& RulesFor(PrintAndPagePage::NumericRow row) {
    return kRows[row];
}

const char* SetNoun(const RowRules& rules) {
    return rules.setNoun != nullptr ? rules.setNoun : rules.noun;
}

bool IsSigned(PrintAndPagePage::NumericRow row) {
    return !RulesFor(row).letters.isEmpty();
}

}  // namespace

PrintAndPagePage::PrintAndPagePage(const ToolContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      protocol_(context.port, context.pacer),
      switchRows_(protocol_, context.modelIndex) {
    BuildForm();
    switches_.gapDetect = GapDetect::Lower;
    ShowSwitches();
    checkDisable_->setChecked(true);
}

QPushButton* PrintAndPagePage::AddButtons(QGridLayout* grid, int line, const QString& name,
                                          const std::function<void()>& get,
                                          const std::function<void()>& set) {
    grid->addWidget(
        Controls::Button(this, tr("Get"), name + QStringLiteral("GetButton"), this, get), line, 2);
    QPushButton* setButton =
        Controls::Button(this, tr("Set"), name + QStringLiteral("SetButton"), this, set);
    setButton->setEnabled(false);
    grid->addWidget(setButton, line, 3);
    return setButton;
}

void PrintAndPagePage::AddList(QGridLayout* grid, int line, const QString& label, QComboBox* list) {
    list->setEnabled(false);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(list);
    grid->addWidget(caption, line, 0);
    grid->addWidget(list, line, 1);
}

void PrintAndPagePage::AddNumericRow(QGridLayout* grid, int line, NumericRow row) {
    const RowRules& rules = RulesFor(row);
    const QString name = QLatin1String(rules.name);
    Row& r = rows_[row];
    auto* label = new QLabel(tr(rules.label), this);
    r.edit = new QLineEdit(QStringLiteral("0"), this);
    r.edit->setObjectName(name + QStringLiteral("Edit"));
    r.edit->setAlignment(Qt::AlignRight);
    // Digits only, as typed or pasted; replies are put in as they come.
    r.edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), r.edit));
    r.edit->setEnabled(false);
    label->setBuddy(r.edit);
    grid->addWidget(label, line, 0);
    if (IsSigned(row)) {
        r.negative = new QCheckBox(tr("(-)"), this);
        r.negative->setObjectName(name + QStringLiteral("NegativeCheck"));
        r.negative->setEnabled(false);
        auto* field = new QHBoxLayout;
        field->addWidget(r.negative);
        field->addWidget(r.edit, 1);
        grid->addLayout(field, line, 1);
        r.set = AddButtons(
            grid, line, name, [this, row] { SignedGet(row); }, [this, row] { SignedSet(row); });
    } else {
        grid->addWidget(r.edit, line, 1);
        r.set = AddButtons(
            grid, line, name, [this, row] { TextGet(row); }, [this, row] { UserValueSet(row); });
    }
}

void PrintAndPagePage::BuildForm() {
    auto* group = new QGroupBox(tr("Printer && Page Setting"), this);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    int line = 0;
    for (const NumericRow row :
         {PaperWidth, PaperLength, GapLength, HorizontalMargin, VerticalMargin, PrintDensity}) {
        AddNumericRow(grid, line++, row);
    }

    grid->addWidget(new QLabel(tr("Print Strobe:"), this), line, 0);
    strobeGroup_ = new QButtonGroup(this);
    auto* strobeRow = new QHBoxLayout;
    for (std::size_t i = 0; i < strobe_.size(); ++i) {
        const QString number = QLatin1String(kStrobes[i].number);
        auto* button = new QRadioButton(number, this);
        button->setObjectName(QStringLiteral("strobe%1Radio").arg(number));
        button->setEnabled(false);
        // The button's id is the strobe it stands for.
        strobeGroup_->addButton(button, static_cast<int>(kStrobes[i].strobe));
        strobeRow->addWidget(button);
        strobe_[i] = button;
    }
    strobeRow->addStretch();
    grid->addLayout(strobeRow, line, 1);
    strobeSet_ = AddButtons(
        grid, line++, QStringLiteral("strobe"), [this] { SwitchGet(SwitchRow::Strobe); },
        [this] { SwitchSet(SwitchRow::Strobe); });

    // The list of the model identified when the page opened; an unknown model gets the full one.
    std::vector<Controls::Entry<std::uint8_t>> speeds;
    for (const PrintSpeedTable::Speed& speed : PrintSpeedTable::Entries(context_.modelIndex)) {
        speeds.push_back({speed.text, speed.code});
    }
    speed_ = Controls::List(this, QStringLiteral("speedCombo"), speeds);
    AddList(grid, line, tr("Print Speed :"), speed_);
    speedSet_ = AddButtons(
        grid, line++, QStringLiteral("speed"), [this] { SwitchGet(SwitchRow::Speed); },
        [this] { SwitchSet(SwitchRow::Speed); });

    AddNumericRow(grid, line++, PrintOffset);
    AddNumericRow(grid, line++, TearOff);

    gapDetect_ = Controls::List(
        this, QStringLiteral("gapDetectCombo"),
        std::vector<Controls::Entry<GapDetect>>{{tr("Lower Position of Gap"), GapDetect::Lower},
                                                {tr("Upper Position of Gap"), GapDetect::Upper}});
    AddList(grid, line, tr("Gap Detect Position: "), gapDetect_);
    gapDetectSet_ = AddButtons(
        grid, line++, QStringLiteral("gapDetect"), [this] { SwitchGet(SwitchRow::GapDetect); },
        [this] { SwitchSet(SwitchRow::GapDetect); });

    auto* initBox = new QGroupBox(this);
    auto* initRow = new QHBoxLayout(initBox);
    initRow->addWidget(new QLabel(tr("Initialize all user setting data :"), initBox));
    initRow->addStretch();
    initRow->addWidget(Controls::Button(this, tr("Initialize"), QStringLiteral("initialiseButton"),
                                        this, &PrintAndPagePage::Initialise));

    auto* checkBox = new QGroupBox(this);
    auto* checkRow = new QHBoxLayout(checkBox);
    checkRow->addWidget(new QLabel(tr("Check Label Length :"), checkBox));
    checkDisable_ = new QRadioButton(tr("Disable"), checkBox);
    checkDisable_->setObjectName(QStringLiteral("checkLabelDisableRadio"));
    checkEnable_ = new QRadioButton(tr("Enable"), checkBox);
    checkEnable_->setObjectName(QStringLiteral("checkLabelEnableRadio"));
    checkRow->addWidget(checkDisable_);
    checkRow->addWidget(checkEnable_);
    checkRow->addStretch();
    checkRow->addWidget(Controls::Button(this, tr("Set"), QStringLiteral("checkLabelSetButton"),
                                         this, &PrintAndPagePage::CheckLabelLengthSet));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(initBox);
    layout->addWidget(checkBox);
    layout->addStretch();
}

bool PrintAndPagePage::ReadForm() {
    for (int i = 0; i < kNumericRows; ++i) {
        const RowRules& rules = kRows[i];
        Row& row = rows_[static_cast<std::size_t>(i)];
        const std::optional<int> value =
            rules.high == kNoRange
                ? Validation::ReadInteger(row.edit->text(), row.edit, context_.messages)
                : Validation::ReadInteger(row.edit->text(), rules.low, rules.high, row.edit,
                                          context_.messages);
        if (!value) {
            return false;
        }
        row.value = *value;
    }
    return true;
}

void PrintAndPagePage::ReportGet(bool success, const char* noun) {
    const QString what = tr(noun);
    PageControls::Report(context_.messages, success, tr("Getting %1 is successful").arg(what),
                         tr("Getting %1 is failed").arg(what));
}

void PrintAndPagePage::ReportSet(bool success, const char* noun) {
    const QString what = tr(noun);
    PageControls::Report(context_.messages, success, tr("Setting %1 is successful").arg(what),
                         tr("Setting %1 is failed").arg(what));
}

void PrintAndPagePage::MarkRead(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) {
        widget->setEnabled(true);
    }
}

void PrintAndPagePage::TextGet(NumericRow row) {
    const RowRules& rules = RulesFor(row);
    Row& r = rows_[row];
    ReadForm();
    const SettingsProtocol::TextReply reply =
        protocol_.QueryText(SettingsProtocol::UserValueQuery(rules.value),
                            SettingsProtocol::kReplyPauseMs, SettingsProtocol::kReplyBufferSize);
    const QByteArray text = SettingsProtocol::StripLineEnds(reply.text);
    // Anything but digits is no value (garbled by the line, say): showing it would report a
    // failure as success.
    const bool digits =
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!reply.received || !digits) {
        ReportGet(false, rules.noun);
        return;
    }
    r.edit->setText(text.isEmpty() ? QStringLiteral("0") : QString::fromLatin1(text));
    ReadForm();
    MarkRead({r.set, r.edit});
    ReportGet(true, rules.noun);
}

void PrintAndPagePage::UserValueSet(NumericRow row) {
    const RowRules& rules = RulesFor(row);
    if (!ReadForm()) {
        return;
    }
    ReportSet(protocol_.SetUserValue(rules.value, rows_[row].value), SetNoun(rules));
}

void PrintAndPagePage::SignedGet(NumericRow row) {
    const RowRules& rules = RulesFor(row);
    Row& r = rows_[row];
    ReadForm();
    const SettingsProtocol::SignedReply reply = protocol_.QuerySigned(rules.query);
    // A reply without a digit carries no value; showing one made up of its line end would be
    // a failure reported as success.
    if (!reply.received || !reply.wellFormed) {
        ReportGet(false, rules.noun);
        return;
    }
    r.negative->setChecked(reply.negative);
    r.edit->setText(QString::number(reply.magnitude));
    MarkRead({r.set, r.edit, r.negative});
    ReportGet(true, rules.noun);
}

void PrintAndPagePage::SignedSet(NumericRow row) {
    const RowRules& rules = RulesFor(row);
    const Row& r = rows_[row];
    if (!ReadForm()) {
        return;
    }
    // The digits go out as shown (the field holds digits only once the reading passed).
    const bool sent = protocol_.SetSigned(rules.letters, r.negative->isChecked(),
                                          r.edit->text().trimmed().toLatin1());
    ReportSet(sent, SetNoun(rules));
}

void PrintAndPagePage::ReadSwitchForm() {
    const int strobe = strobeGroup_->checkedId();
    switches_.strobe = strobe < 0 ? std::nullopt : std::optional(static_cast<Strobe>(strobe));
    switches_.speed = Controls::Selected<std::uint8_t>(speed_);
    switches_.gapDetect = Controls::Selected<GapDetect>(gapDetect_);
}

void PrintAndPagePage::ShowSwitches() {
    // No strobe chosen leaves every button unchecked, which an exclusive group does not allow.
    strobeGroup_->setExclusive(false);
    for (std::size_t i = 0; i < strobe_.size(); ++i) {
        strobe_[i]->setChecked(switches_.strobe == kStrobes[i].strobe);
    }
    strobeGroup_->setExclusive(true);
    Controls::Select(speed_, switches_.speed);
    Controls::Select(gapDetect_, switches_.gapDetect);
}

void PrintAndPagePage::SwitchGet(SwitchRow row) {
    ReadForm();
    ReadSwitchForm();
    // Cleared on screen while the printer is asked.
    PrintSwitchRows::Forget(row, switches_);
    ShowSwitches();
    const bool read = switchRows_.Get(row, switches_);
    ShowSwitches();
    if (read) {
        switch (row) {
            case SwitchRow::Strobe:
                MarkRead({strobeSet_, strobe_[0], strobe_[1], strobe_[2]});
                break;
            case SwitchRow::Speed:
                MarkRead({speedSet_, speed_});
                break;
            case SwitchRow::GapDetect:
                MarkRead({gapDetectSet_, gapDetect_});
                break;
        }
    }
    ReportGet(read, Noun(row));
}

void PrintAndPagePage::SwitchSet(SwitchRow row) {
    ReadForm();
    ReadSwitchForm();
    ReportSet(switchRows_.Set(row, switches_), Noun(row));
}

void PrintAndPagePage::CheckLabelLengthSet() {
    ReadForm();
    // The printer confirms nothing and the page says nothing.
    protocol_.SetCheckLabelLength(checkEnable_->isChecked());
}

void PrintAndPagePage::Initialise() {
    ReadForm();
    PageControls::Report(context_.messages, protocol_.InitialiseUserSettings(),
                         tr("Initialize all user setting data is successful"),
                         tr("Initialize all user setting data is failed"));
}

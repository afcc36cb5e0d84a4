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

#include "forms/Messages.h"
#include "forms/Validation.h"
#include "settings/PageControls.h"
#include "settings/PrintSpeedTable.h"
#include "settings/SwitchFourCodes.h"

namespace {

constexpr int kSpeedSwitch = 3;
constexpr int kSwitchFour = 4;
constexpr int kNoRange = -1;
constexpr int kStrobes = 3;

// The switch rows' part of their messages.
const char* const kStrobe = QT_TRANSLATE_NOOP("PrintAndPagePage", "strobe");
const char* const kSpeed = QT_TRANSLATE_NOOP("PrintAndPagePage", "speed");
const char* const kGapDetect = QT_TRANSLATE_NOOP("PrintAndPagePage", "gap detect position");

using Value = SettingsProtocol::UserValue;

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
    : QWidget(parent), context_(context), protocol_(context.port, context.pacer) {
    BuildForm();
    speed_->setCurrentIndex(-1);
    gapDetect_->setCurrentIndex(0);
    checkDisable_->setChecked(true);
}

QPushButton* PrintAndPagePage::AddButtons(QGridLayout* grid, int line, const QString& name,
                                          const std::function<void()>& get,
                                          const std::function<void()>& set) {
    grid->addWidget(
        PageControls::Button(tr("Get"), name + QStringLiteral("GetButton"), this, this, get), line,
        2);
    QPushButton* setButton =
        PageControls::Button(tr("Set"), name + QStringLiteral("SetButton"), this, this, set);
    setButton->setEnabled(false);
    grid->addWidget(setButton, line, 3);
    return setButton;
}

QComboBox* PrintAndPagePage::AddList(QGridLayout* grid, int line, const QString& label,
                                     const QString& name, const QStringList& entries) {
    auto* list = new QComboBox(this);
    list->setObjectName(name + QStringLiteral("Combo"));
    list->addItems(entries);
    list->setEnabled(false);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(list);
    grid->addWidget(caption, line, 0);
    grid->addWidget(list, line, 1);
    return list;
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
    for (int i = 0; i < kStrobes; ++i) {
        // The strobes are numbered 2 to 4.
        const QString number = QString::number(i + 2);
        auto* button = new QRadioButton(number, this);
        button->setObjectName(QStringLiteral("strobe%1Radio").arg(number));
        button->setEnabled(false);
        strobeGroup_->addButton(button, i);
        strobeRow->addWidget(button);
        strobe_[static_cast<std::size_t>(i)] = button;
    }
    strobeRow->addStretch();
    grid->addLayout(strobeRow, line, 1);
    strobeSet_ = AddButtons(
        grid, line++, QStringLiteral("strobe"), [this] { StrobeGet(); }, [this] { StrobeSet(); });

    // The list of the model identified when the page opened; an unknown model gets the full one.
    speed_ = AddList(grid, line, tr("Print Speed :"), QStringLiteral("speed"),
                     PrintSpeedTable::Entries(context_.modelIndex));
    speedSet_ = AddButtons(
        grid, line++, QStringLiteral("speed"), [this] { SpeedGet(); }, [this] { SpeedSet(); });

    AddNumericRow(grid, line++, PrintOffset);
    AddNumericRow(grid, line++, TearOff);

    gapDetect_ = AddList(grid, line, tr("Gap Detect Position: "), QStringLiteral("gapDetect"),
                         {tr("Lower Position of Gap"), tr("Upper Position of Gap")});
    gapDetectSet_ = AddButtons(
        grid, line++, QStringLiteral("gapDetect"), [this] { GapDetectGet(); },
        [this] { GapDetectSet(); });

    auto* initBox = new QGroupBox(this);
    auto* initRow = new QHBoxLayout(initBox);
    initRow->addWidget(new QLabel(tr("Initialize all user setting data :"), initBox));
    initRow->addStretch();
    initRow->addWidget(PageControls::Button(tr("Initialize"), QStringLiteral("initializeButton"),
                                            this, this, &PrintAndPagePage::Initialize));

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
    checkRow->addWidget(PageControls::Button(tr("Set"), QStringLiteral("checkLabelSetButton"), this,
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
    if (!reply.received) {
        ReportGet(false, rules.noun);
        return;
    }
    const QByteArray text = SettingsProtocol::StripLineEnds(reply.text);
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

void PrintAndPagePage::GetSwitch(int number, const char* noun,
                                 const std::function<void(std::uint8_t)>& show,
                                 std::initializer_list<QWidget*> widgets) {
    const SettingsProtocol::SwitchReply reply =
        protocol_.ReadSwitch(number, SettingsProtocol::kReplyPauseMs);
    if (!reply.received) {
        ReportGet(false, noun);
        return;
    }
    show(reply.value);
    MarkRead(widgets);
    ReportGet(true, noun);
}

void PrintAndPagePage::SetSwitch(int number, std::uint8_t byte, const char* noun) {
    ReportSet(protocol_.WriteSwitch(number, byte, true), noun);
}

void PrintAndPagePage::StrobeGet() {
    ReadForm();
    strobeGroup_->setExclusive(false);
    for (QRadioButton* button : strobe_) {
        button->setChecked(false);
    }
    strobeGroup_->setExclusive(true);
    GetSwitch(kSwitchFour, kStrobe,
              [this](std::uint8_t byte) {
                  if (const int index = SwitchFourCodes::StrobeIndex(byte); index >= 0) {
                      strobe_[static_cast<std::size_t>(index)]->setChecked(true);
                  }
              },
              {strobeSet_, strobe_[0], strobe_[1], strobe_[2]});
}

void PrintAndPagePage::StrobeSet() {
    ReadForm();
    SetSwitch(kSwitchFour, SwitchFourCodes::StrobeByte(strobeGroup_->checkedId()), kStrobe);
}

void PrintAndPagePage::SpeedGet() {
    ReadForm();
    GetSwitch(kSpeedSwitch, kSpeed,
              [this](std::uint8_t byte) {
                  speed_->setCurrentIndex(PrintSpeedTable::IndexForByte(context_.modelIndex, byte));
              },
              {speedSet_, speed_});
}

void PrintAndPagePage::SpeedSet() {
    ReadForm();
    SetSwitch(kSpeedSwitch,
              PrintSpeedTable::ByteForIndex(context_.modelIndex, speed_->currentIndex()), kSpeed);
}

void PrintAndPagePage::GapDetectGet() {
    ReadForm();
    gapDetect_->setCurrentIndex(-1);
    GetSwitch(kSwitchFour, kGapDetect,
              [this](std::uint8_t byte) {
                  gapDetect_->setCurrentIndex(SwitchFourCodes::GapDetectIndex(byte));
              },
              {gapDetectSet_, gapDetect_});
}

void PrintAndPagePage::GapDetectSet() {
    ReadForm();
    SetSwitch(kSwitchFour, SwitchFourCodes::GapDetectByte(gapDetect_->currentIndex()), kGapDetect);
}

void PrintAndPagePage::CheckLabelLengthSet() {
    ReadForm();
    // The printer confirms nothing and the page says nothing.
    protocol_.SetCheckLabelLength(checkEnable_->isChecked());
}

void PrintAndPagePage::Initialize() {
    ReadForm();
    PageControls::Report(context_.messages, protocol_.InitialiseUserSettings(),
                         tr("Initialize all user setting data is successful"),
                         tr("Initialize all user setting data is failed"));
}

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
#include "settings/PrintSpeedTable.h"
#include "settings/SwitchFourCodes.h"

namespace {

constexpr int kSpeedSwitch = 3;
constexpr int kSwitchFour = 4;
constexpr int kNoRange = -1;

struct RowRules {
    const char* label;
    const char* name;  // object names: <name>Edit, <name>GetButton, <name>SetButton
    SettingsProtocol::UserValue value;
    int low;
    int high;  // kNoRange: any integer
    const char* getOk;
    const char* getFailed;
    const char* setOk;
    const char* setFailed;
};

// Indexed by PrintAndPagePage::NumericRow. The signed rows have no user value number.
const RowRules kRows[] = {
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Paper Horizontal Margin:"), "horizontalMargin",
     SettingsProtocol::UserValue::HorizontalMargin, 0, 832,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting paper horizontal margin is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting paper horizontal margin is failed"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting paper horizontal margin is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting paper horizontal margin is failed")},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Paper Length:"), "paperLength",
     SettingsProtocol::UserValue::PaperLength, 0, 2432,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting paper length is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting paper length is failed"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting paper length is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting paper length is failed")},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Paper Vertical Margin:"), "verticalMargin",
     SettingsProtocol::UserValue::VerticalMargin, 0, 2432,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting paper vertical margin is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting paper vertical margin is failed"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting paper vertical margin is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting paper vertical margin is failed")},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Paper Width:"), "paperWidth",
     SettingsProtocol::UserValue::PaperWidth, 0, 832,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting paper width is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting paper width is failed"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting paper width is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting paper width is failed")},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Print Density:"), "printDensity",
     SettingsProtocol::UserValue::PrintDensity, 0, 20,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting print density is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting print density is failed"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting print density is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting print density is failed")},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Gap Length:"), "gapLength",
     SettingsProtocol::UserValue::GapLength, 0, kNoRange,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting gap length is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting gap length is failed"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting gap length is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting gap length is failed")},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Print Offset:"), "offset",
     SettingsProtocol::UserValue::PaperWidth, 0, 100,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting offset is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting offset is failed"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting offset is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting offset is failed")},
    {QT_TRANSLATE_NOOP("PrintAndPagePage", "Tear-off/Cutting:"), "tearOff",
     SettingsProtocol::UserValue::PaperWidth, 0, 100,
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting tear-off/cutting position is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Getting tear-off/cutting position is failed"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting Tear-Off/Cutting position is successful"),
     QT_TRANSLATE_NOOP("PrintAndPagePage", "Setting Tear-Off/Cutting position is failed")},
};
static_assert(std::size(kRows) == PrintAndPagePage::kNumericRows);

const RowRules& RulesFor(PrintAndPagePage::NumericRow row) {
    return kRows[row];
}

QString Name(const char* stem, const char* suffix) {
    return QLatin1String(stem) + QLatin1String(suffix);
}

bool IsSigned(PrintAndPagePage::NumericRow row) {
    return row == PrintAndPagePage::PrintOffset || row == PrintAndPagePage::TearOff;
}

}  // namespace

PrintAndPagePage::PrintAndPagePage(const ToolContext& context, QWidget* parent)
    : QWidget(parent), context_(context), protocol_(context.port, context.pacer) {
    BuildForm();
    // The built-in list suits an unknown model; known models get their own.
    if (context_.modelIndex >= 1 && context_.modelIndex <= 7) {
        speed_->clear();
        speed_->addItems(PrintSpeedTable::Entries(context_.modelIndex));
    }
    speed_->setCurrentIndex(-1);
    gapDetect_->setCurrentIndex(0);
    checkDisable_->setChecked(true);
}

QPushButton* PrintAndPagePage::RowButton(const QString& text, const QString& name) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void PrintAndPagePage::AddButtons(QGridLayout* grid, int line, const QString& name,
                                  QPushButton*& get, QPushButton*& set) {
    get = RowButton(tr("Get"), name + QStringLiteral("GetButton"));
    set = RowButton(tr("Set"), name + QStringLiteral("SetButton"));
    set->setEnabled(false);
    grid->addWidget(get, line, 2);
    grid->addWidget(set, line, 3);
}

void PrintAndPagePage::AddNumericRow(QGridLayout* grid, int line, NumericRow row) {
    const RowRules& rules = RulesFor(row);
    Row& r = rows_[row];
    auto* label = new QLabel(tr(rules.label), this);
    r.edit = new QLineEdit(QStringLiteral("0"), this);
    r.edit->setObjectName(Name(rules.name, "Edit"));
    r.edit->setAlignment(Qt::AlignRight);
    // Digits only, as typed or pasted; replies are put in as they come.
    r.edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), r.edit));
    r.edit->setEnabled(false);
    label->setBuddy(r.edit);
    grid->addWidget(label, line, 0);
    if (IsSigned(row)) {
        r.negative = new QCheckBox(tr("(-)"), this);
        r.negative->setObjectName(Name(rules.name, "NegativeCheck"));
        r.negative->setEnabled(false);
        auto* field = new QHBoxLayout;
        field->addWidget(r.negative);
        field->addWidget(r.edit, 1);
        grid->addLayout(field, line, 1);
    } else {
        grid->addWidget(r.edit, line, 1);
    }
    AddButtons(grid, line, QLatin1String(rules.name), r.get, r.set);
    if (IsSigned(row)) {
        connect(r.get, &QPushButton::clicked, this, [this, row] { SignedGet(row); });
        connect(r.set, &QPushButton::clicked, this, [this, row] { SignedSet(row); });
    } else {
        connect(r.get, &QPushButton::clicked, this, [this, row] { TextGet(row); });
        connect(r.set, &QPushButton::clicked, this, [this, row] { UserValueSet(row); });
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
    const std::array<const char*, 3> strobeNames = {"2", "3", "4"};
    for (int i = 0; i < 3; ++i) {
        auto* button =
            new QRadioButton(QLatin1String(strobeNames[static_cast<std::size_t>(i)]), this);
        button->setObjectName(QStringLiteral("strobe%1Radio")
                                  .arg(QLatin1String(strobeNames[static_cast<std::size_t>(i)])));
        button->setEnabled(false);
        strobeGroup_->addButton(button, i);
        strobeRow->addWidget(button);
        strobe_[static_cast<std::size_t>(i)] = button;
    }
    strobeRow->addStretch();
    grid->addLayout(strobeRow, line, 1);
    AddButtons(grid, line++, QStringLiteral("strobe"), strobeGet_, strobeSet_);
    connect(strobeGet_, &QPushButton::clicked, this, &PrintAndPagePage::StrobeGet);
    connect(strobeSet_, &QPushButton::clicked, this, &PrintAndPagePage::StrobeSet);

    speed_ = new QComboBox(this);
    speed_->setObjectName(QStringLiteral("speedCombo"));
    speed_->addItems(PrintSpeedTable::Entries(-1));
    speed_->setEnabled(false);
    auto* speedLabel = new QLabel(tr("Print Speed :"), this);
    speedLabel->setBuddy(speed_);
    grid->addWidget(speedLabel, line, 0);
    grid->addWidget(speed_, line, 1);
    AddButtons(grid, line++, QStringLiteral("speed"), speedGet_, speedSet_);
    connect(speedGet_, &QPushButton::clicked, this, &PrintAndPagePage::SpeedGet);
    connect(speedSet_, &QPushButton::clicked, this, &PrintAndPagePage::SpeedSet);

    AddNumericRow(grid, line++, PrintOffset);
    AddNumericRow(grid, line++, TearOff);

    gapDetect_ = new QComboBox(this);
    gapDetect_->setObjectName(QStringLiteral("gapDetectCombo"));
    gapDetect_->addItems({tr("Lower Position of Gap"), tr("Upper Position of Gap")});
    gapDetect_->setEnabled(false);
    auto* gapLabel = new QLabel(tr("Gap Detect Position: "), this);
    gapLabel->setBuddy(gapDetect_);
    grid->addWidget(gapLabel, line, 0);
    grid->addWidget(gapDetect_, line, 1);
    AddButtons(grid, line++, QStringLiteral("gapDetect"), gapDetectGet_, gapDetectSet_);
    connect(gapDetectGet_, &QPushButton::clicked, this, &PrintAndPagePage::GapDetectGet);
    connect(gapDetectSet_, &QPushButton::clicked, this, &PrintAndPagePage::GapDetectSet);

    auto* initBox = new QGroupBox(this);
    auto* initRow = new QHBoxLayout(initBox);
    initRow->addWidget(new QLabel(tr("Initialize all user setting data :"), initBox));
    initRow->addStretch();
    initialize_ = RowButton(tr("Initialize"), QStringLiteral("initializeButton"));
    initRow->addWidget(initialize_);
    connect(initialize_, &QPushButton::clicked, this, &PrintAndPagePage::Initialize);

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
    checkSet_ = RowButton(tr("Set"), QStringLiteral("checkLabelSetButton"));
    checkRow->addWidget(checkSet_);
    connect(checkSet_, &QPushButton::clicked, this, &PrintAndPagePage::CheckLabelLengthSet);

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

void PrintAndPagePage::Report(bool success, const char* successText, const char* failureText) {
    if (success) {
        context_.messages.Information(tr(successText));
    } else {
        context_.messages.Warning(tr(failureText));
    }
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
        context_.messages.Warning(tr(rules.getFailed));
        return;
    }
    const QByteArray text = SettingsProtocol::StripLineEnds(reply.text);
    r.edit->setText(text.isEmpty() ? QStringLiteral("0") : QString::fromLatin1(text));
    ReadForm();
    MarkRead({r.set, r.edit});
    context_.messages.Information(tr(rules.getOk));
}

void PrintAndPagePage::UserValueSet(NumericRow row) {
    const RowRules& rules = RulesFor(row);
    if (!ReadForm()) {
        return;
    }
    Report(protocol_.SetUserValue(rules.value, rows_[row].value), rules.setOk, rules.setFailed);
}

void PrintAndPagePage::SignedGet(NumericRow row) {
    const RowRules& rules = RulesFor(row);
    Row& r = rows_[row];
    ReadForm();
    const SettingsProtocol::SignedReply reply = protocol_.QuerySigned(
        row == PrintOffset ? SettingsProtocol::kPrintOffsetQuery : SettingsProtocol::kTearOffQuery);
    // A reply without a digit carries no value; showing one made up of its line end would be
    // a failure reported as success.
    if (!reply.received || !reply.wellFormed) {
        context_.messages.Warning(tr(rules.getFailed));
        return;
    }
    r.negative->setChecked(reply.negative);
    r.value = reply.magnitude;
    r.edit->setText(QString::number(reply.magnitude));
    MarkRead({r.set, r.edit, r.negative});
    context_.messages.Information(tr(rules.getOk));
}

void PrintAndPagePage::SignedSet(NumericRow row) {
    const RowRules& rules = RulesFor(row);
    const Row& r = rows_[row];
    if (!ReadForm()) {
        return;
    }
    // The digits go out as shown (the field holds digits only once the reading passed).
    const bool sent =
        protocol_.SetSigned(row == PrintOffset ? SettingsProtocol::kPrintOffsetLetters
                                               : SettingsProtocol::kTearOffLetters,
                            r.negative->isChecked(), r.edit->text().trimmed().toLatin1());
    Report(sent, rules.setOk, rules.setFailed);
}

void PrintAndPagePage::StrobeGet() {
    ReadForm();
    strobeGroup_->setExclusive(false);
    for (QRadioButton* button : strobe_) {
        button->setChecked(false);
    }
    strobeGroup_->setExclusive(true);
    const SettingsProtocol::SwitchReply reply =
        protocol_.ReadSwitch(kSwitchFour, SettingsProtocol::kReplyPauseMs);
    if (!reply.received) {
        context_.messages.Warning(tr("Getting strobe is failed"));
        return;
    }
    const int index = SwitchFourCodes::StrobeIndex(reply.value);
    if (index >= 0) {
        strobe_[static_cast<std::size_t>(index)]->setChecked(true);
    }
    MarkRead({strobeSet_, strobe_[0], strobe_[1], strobe_[2]});
    context_.messages.Information(tr("Getting strobe is successful"));
}

void PrintAndPagePage::StrobeSet() {
    ReadForm();
    const std::uint8_t byte = SwitchFourCodes::StrobeByte(strobeGroup_->checkedId());
    Report(protocol_.WriteSwitch(kSwitchFour, byte, true),
           QT_TR_NOOP("Setting strobe is successful"), QT_TR_NOOP("Setting strobe is failed"));
}

void PrintAndPagePage::SpeedGet() {
    ReadForm();
    const SettingsProtocol::SwitchReply reply =
        protocol_.ReadSwitch(kSpeedSwitch, SettingsProtocol::kReplyPauseMs);
    if (!reply.received) {
        context_.messages.Warning(tr("Getting speed is failed"));
        return;
    }
    speed_->setCurrentIndex(PrintSpeedTable::IndexForByte(context_.modelIndex, reply.value));
    MarkRead({speedSet_, speed_});
    context_.messages.Information(tr("Getting speed is successful"));
}

void PrintAndPagePage::SpeedSet() {
    ReadForm();
    const std::uint8_t byte =
        PrintSpeedTable::ByteForIndex(context_.modelIndex, speed_->currentIndex());
    Report(protocol_.WriteSwitch(kSpeedSwitch, byte, true),
           QT_TR_NOOP("Setting speed is successful"), QT_TR_NOOP("Setting speed is failed"));
}

void PrintAndPagePage::GapDetectGet() {
    ReadForm();
    gapDetect_->setCurrentIndex(-1);
    const SettingsProtocol::SwitchReply reply =
        protocol_.ReadSwitch(kSwitchFour, SettingsProtocol::kReplyPauseMs);
    if (!reply.received) {
        context_.messages.Warning(tr("Getting gap detect position is failed"));
        return;
    }
    gapDetect_->setCurrentIndex(SwitchFourCodes::GapDetectIndex(reply.value));
    MarkRead({gapDetectSet_, gapDetect_});
    context_.messages.Information(tr("Getting gap detect position is successful"));
}

void PrintAndPagePage::GapDetectSet() {
    ReadForm();
    const std::uint8_t byte = SwitchFourCodes::GapDetectByte(gapDetect_->currentIndex());
    Report(protocol_.WriteSwitch(kSwitchFour, byte, true),
           QT_TR_NOOP("Setting gap detect position is successful"),
           QT_TR_NOOP("Setting gap detect position is failed"));
}

void PrintAndPagePage::CheckLabelLengthSet() {
    ReadForm();
    // The printer confirms nothing and the page says nothing.
    protocol_.SetCheckLabelLength(checkEnable_->isChecked());
}

void PrintAndPagePage::Initialize() {
    ReadForm();
    Report(protocol_.InitialiseUserSettings(),
           QT_TR_NOOP("Initialize all user setting data is successful"),
           QT_TR_NOOP("Initialize all user setting data is failed"));
}

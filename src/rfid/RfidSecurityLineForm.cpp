#include "rfid/RfidSecurityLineForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "rfid/LockPayloadGrid.h"
#include "rfid/RfidSecurityBuilder.h"

namespace {

// Indents what a heading radio button governs.
QVBoxLayout* Governed(QVBoxLayout* group) {
    auto* indented = new QHBoxLayout;
    indented->addSpacing(20);
    auto* inner = new QVBoxLayout;
    indented->addLayout(inner, 1);
    group->addLayout(indented);
    return inner;
}

}  // namespace

RfidSecurityLineForm::RfidSecurityLineForm(RfidSecurityBuilder& builder, const ToolContext& context,
                                           QWidget* parent)
    : BuilderForm(builder, context, parent), builder_(builder) {
    setWindowTitle(tr("RFID Security"));

    auto* payloadGroup = new QGroupBox(this);
    payloadGroup->setObjectName(QStringLiteral("payloadGroup"));
    payloadRadio_ = Controls::Radio(payloadGroup, tr("Lock-Command Pay Load"), "payloadRadio");
    unlockBox_ = new QCheckBox(tr("Unlock"), payloadGroup);
    unlockBox_->setObjectName(QStringLiteral("unlockBox"));
    payloadGrid_ = new LockPayloadGrid(payloadGroup);
    auto* payloadLayout = new QVBoxLayout(payloadGroup);
    payloadLayout->addWidget(payloadRadio_);
    QVBoxLayout* payloadInner = Governed(payloadLayout);
    payloadInner->addWidget(unlockBox_);
    payloadInner->addWidget(payloadGrid_);

    auto* autoGroup = new QGroupBox(this);
    autoGroup->setObjectName(QStringLiteral("autoGroup"));
    autoRadio_ = Controls::Radio(autoGroup, tr("Auto"), "autoRadio");
    lockRadio_ = Controls::Radio(autoGroup, tr("Lock"), "lockRadio");
    unlockRadio_ = Controls::Radio(autoGroup, tr("UnLock"), "unlockRadio");
    auto* autoLayout = new QVBoxLayout(autoGroup);
    autoLayout->addWidget(autoRadio_);
    auto* choices = new QHBoxLayout;
    choices->addWidget(lockRadio_);
    choices->addSpacing(16);
    choices->addWidget(unlockRadio_);
    choices->addStretch();
    Governed(autoLayout)->addLayout(choices);

    auto* modes = new QButtonGroup(this);
    modes->addButton(payloadRadio_);
    modes->addButton(autoRadio_);
    connect(modes, &QButtonGroup::buttonClicked, this, &RfidSecurityLineForm::ModeChosen);
    auto* locks = new QButtonGroup(this);
    locks->addButton(lockRadio_);
    locks->addButton(unlockRadio_);
    connect(locks, &QButtonGroup::buttonClicked, this, [this] {
        ReadForm();
        Refresh();
    });
    connect(unlockBox_, &QCheckBox::clicked, this, [this] { ReadForm(); });

    auto* groups = new QVBoxLayout;
    groups->addWidget(payloadGroup);
    groups->addWidget(autoGroup);
    Arrange(groups, {}, false);
    Refresh();
}

bool RfidSecurityLineForm::ReadForm() {
    using Mode = RfidSecurityBuilder::Mode;
    using LockMode = RfidCommands::LockMode;
    builder_.mode = autoRadio_->isChecked() ? Mode::Auto : Mode::Payload;
    builder_.unlock = unlockBox_->isChecked();
    builder_.payload = payloadGrid_->Payload();
    builder_.lockChoice.reset();
    if (lockRadio_->isChecked()) {
        builder_.lockChoice = LockMode::Lock;
    } else if (unlockRadio_->isChecked()) {
        builder_.lockChoice = LockMode::Unlock;
    }
    return true;
}

void RfidSecurityLineForm::ModeChosen() {
    ReadForm();
    builder_.ChooseMode(builder_.mode);
    Refresh();
}

void RfidSecurityLineForm::Refresh() {
    using LockMode = RfidCommands::LockMode;
    const bool payloadMode = builder_.mode == RfidSecurityBuilder::Mode::Payload;
    (payloadMode ? payloadRadio_ : autoRadio_)->setChecked(true);
    unlockBox_->setChecked(builder_.unlock);
    payloadGrid_->SetPayload(builder_.payload);
    // The ticks stay while their group is out of use.
    unlockBox_->setEnabled(payloadMode);
    payloadGrid_->SetBoxesEnabled(payloadMode);
    lockRadio_->setEnabled(!payloadMode);
    unlockRadio_->setEnabled(!payloadMode);
    // An exclusive group cannot clear its last choice: neither chosen needs it open for a moment.
    lockRadio_->group()->setExclusive(false);
    lockRadio_->setChecked(builder_.lockChoice == LockMode::Lock);
    unlockRadio_->setChecked(builder_.lockChoice == LockMode::Unlock);
    lockRadio_->group()->setExclusive(true);
}

#include "rfid/RfidWriteForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "rfid/DataCellGrid.h"
#include "rfid/LockPayloadGrid.h"
#include "rfid/PasswordEntry.h"
#include "rfid/RfidCommands.h"
#include "rfid/RfidReadForm.h"
#include "rfid/TagAreaControls.h"

namespace {

const QString kDefaultPassword = QStringLiteral("5E.3A.91.C7");

QWidget* Caption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

RfidWriteForm::RfidWriteForm(const ToolContext& context, QWidget* parent)
    : QDialog(parent), context_(context), protocol_(context.port, context.pacer) {
    setWindowTitle(tr("RFID Write"));

    auto* passwords = new QGroupBox(tr("Password"), this);
    passwords->setObjectName(QStringLiteral("passwordGroup"));
    accessEdit_ = Controls::Field(passwords, "accessEdit");
    killEdit_ = Controls::Field(passwords, "killEdit");
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(Caption(passwords, tr("Acess :"), accessEdit_));
    passwordRow->addWidget(accessEdit_);
    passwordRow->addSpacing(12);
    passwordRow->addWidget(Caption(passwords, tr("Kill :"), killEdit_));
    passwordRow->addWidget(killEdit_);
    passwordRow->addSpacing(12);
    passwordRow->addWidget(Controls::Button(passwords, tr("Password"), "passwordButton", this,
                                            &RfidWriteForm::SetPasswords));
    auto* hintRow = new QHBoxLayout;
    hintRow->addWidget(new QLabel(tr("* The value must be hexadecimal."), passwords));
    hintRow->addSpacing(12);
    hintRow->addWidget(new QLabel(tr("(e.g. 5E.3A.91.C7)"), passwords));
    hintRow->addStretch();
    auto* passwordLayout = new QVBoxLayout(passwords);
    passwordLayout->addLayout(passwordRow);
    passwordLayout->addLayout(hintRow);

    auto* writeGroup = new QGroupBox(tr("RFID Write"), this);
    writeGroup->setObjectName(QStringLiteral("writeGroup"));
    auto* dataGroup = new QGroupBox(tr("Data"), writeGroup);
    dataGroup->setObjectName(QStringLiteral("dataGroup"));
    areaControls_ = new TagAreaControls(dataGroup);
    areaControls_->label->setParent(writeGroup);
    areaControls_->metal->setParent(writeGroup);
    connect(areaControls_, &TagAreaControls::MemoryChosen, this, [this] { ReadForm(); });
    setDataButton_ =
        Controls::Button(dataGroup, tr("Set Data"), "setDataButton", this, &RfidWriteForm::SetData);
    resetDataButton_ = Controls::Button(dataGroup, tr("Reset Data"), "resetDataButton", this,
                                        &RfidWriteForm::ResetData);
    grid_ = new DataCellGrid(dataGroup, TagCells::kCount, TagCells::kPerRow);
    connect(grid_, &DataCellGrid::Edited, this, &RfidWriteForm::CellEdited);

    QHBoxLayout* rangeRow = areaControls_->RangeRow(dataGroup);
    rangeRow->addWidget(setDataButton_);
    rangeRow->addWidget(resetDataButton_);
    auto* dataLayout = new QVBoxLayout(dataGroup);
    dataLayout->addLayout(areaControls_->MemoryRow());
    dataLayout->addLayout(rangeRow);
    dataLayout->addSpacing(4);
    dataLayout->addWidget(grid_);

    auto* writeLayout = new QVBoxLayout(writeGroup);
    writeLayout->addLayout(areaControls_->KindRow());
    writeLayout->addWidget(dataGroup);

    auto* payloadGroup = new QGroupBox(tr("Lock-Command Payload"), this);
    payloadGroup->setObjectName(QStringLiteral("payloadGroup"));
    payloadGrid_ = new LockPayloadGrid(payloadGroup);
    auto* payloadLayout = new QHBoxLayout(payloadGroup);
    payloadLayout->addWidget(payloadGrid_);
    payloadLayout->addStretch();

    unlockBox_ = Controls::Check(this, tr("Unlock"), "unlockBox");
    dataBox_ = Controls::Check(this, tr("Data"), "dataBox");
    lockBox_ = Controls::Check(this, tr("Lock-Command"), "lockCommandBox");
    for (QCheckBox* box : {unlockBox_, dataBox_, lockBox_}) {
        connect(box, &QCheckBox::clicked, this, &RfidWriteForm::StepsToggled);
    }
    writeButton_ = Controls::Button(this, tr("Write"), "writeButton", this, &RfidWriteForm::Write);
    auto* popup = Controls::Button(this, tr("Popup RFID Read Dialog"), "popupReadButton", this,
                                   &RfidWriteForm::PopupRead);
    auto* close = Controls::Button(this, tr("Close"), "closeButton", this, [this] {
        ReadForm();
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(passwords);
    layout->addWidget(writeGroup);
    layout->addWidget(payloadGroup);
    layout->addLayout(
        Controls::Row({unlockBox_, dataBox_, lockBox_}, {writeButton_, popup, close}));

    // Opening.
    access_ = kDefaultPassword;
    kill_ = kDefaultPassword;
    for (int n = 0; n < TagCells::kCount; ++n) {
        cells_ << QString();
    }
    ShowFields();
    grid_->EnableRange(0, -1);
    resetDataButton_->setEnabled(false);
    writeButton_->setEnabled(false);
}

void RfidWriteForm::ReadForm() {
    area_ = areaControls_->Read();
    cells_ = grid_->Texts();
    access_ = accessEdit_->text();
    kill_ = killEdit_->text();
    unlock_ = unlockBox_->isChecked();
    data_ = dataBox_->isChecked();
    lock_ = lockBox_->isChecked();
    payload_ = payloadGrid_->Payload();
}

void RfidWriteForm::ShowFields() {
    areaControls_->Show(area_);
    grid_->SetTexts(cells_);
    accessEdit_->setText(access_);
    killEdit_->setText(kill_);
    unlockBox_->setChecked(unlock_);
    dataBox_->setChecked(data_);
    lockBox_->setChecked(lock_);
    payloadGrid_->SetPayload(payload_);
}

void RfidWriteForm::SetData() {
    ReadForm();
    if (!TagAreaControls::RangeFits(area_, context_.messages)) {
        return;
    }
    charsPerCell_ = area_.type == RfidCommands::DataType::Ascii ? 1 : 2;
    grid_->SetCharsPerCell(charsPerCell_);
    grid_->EnableRange(area_.start + 1, area_.start + area_.count);
    for (QString& cell : cells_) {
        cell.clear();
    }
    resetDataButton_->setEnabled(true);
    setDataButton_->setEnabled(false);
    areaControls_->SetListsEnabled(false);
    ShowFields();
}

void RfidWriteForm::ResetData() {
    resetDataButton_->setEnabled(false);
    setDataButton_->setEnabled(true);
    areaControls_->SetListsEnabled(true);
    ReadForm();
    for (QString& cell : cells_) {
        cell.clear();
    }
    const TagArea fresh;
    area_.count = fresh.count;
    area_.start = fresh.start;
    area_.type = fresh.type;
    grid_->EnableRange(0, -1);
    ShowFields();
}

void RfidWriteForm::CellEdited(int number) {
    ReadForm();
    ShowFields();
    if (cells_[number - 1].size() < charsPerCell_) {
        return;
    }
    // On to the next cell of the range; after the range, to the button that acts on it.
    QWidget* next = nullptr;
    if (number == TagCells::kCount) {
        next = setDataButton_->isEnabled() ? static_cast<QWidget*>(setDataButton_) : writeButton_;
    } else if (grid_->Cell(number + 1)->isEnabled()) {
        next = grid_->Cell(number + 1);
    } else {
        next = writeButton_;
    }
    if (next->isEnabled()) {
        next->setFocus(Qt::TabFocusReason);
    }
}

void RfidWriteForm::StepsToggled() {
    ReadForm();
    writeButton_->setEnabled(unlock_ || data_ || lock_);
}

void RfidWriteForm::SetPasswords() {
    ReadForm();
    const auto passwords = PasswordEntry::Read(access_, kill_, context_.messages);
    if (!passwords) {
        return;
    }
    if (protocol_.Send(RfidCommands::SetPasswords(passwords->access, passwords->kill))) {
        context_.messages.Information(tr("Set RFID setting is successful"));
    } else {
        context_.messages.Warning(tr("Set RFID setting is faied"));
    }
}

void RfidWriteForm::Write() {
    ReadForm();
    QByteArray dataText;
    if (data_) {
        // A range the encoder cannot address is refused here as it is by "Set Data".
        if (!TagAreaControls::RangeFits(area_, context_.messages)) {
            return;
        }
        const auto text = DataCellGrid::DataText(cells_, area_.type, context_.messages);
        if (!text) {
            return;
        }
        dataText = *text;
    }
    bool last = false;
    if (unlock_) {
        last = protocol_.Send(RfidCommands::Unlock());
        if (!last) {
            context_.messages.Warning(tr("Writing unlock-command is failed"));
        }
    }
    if (data_) {
        last = protocol_.Send(RfidCommands::WriteData(area_.kind, area_.memory, area_.type,
                                                      area_.start, area_.count, dataText));
        setDataButton_->setEnabled(true);
        areaControls_->SetListsEnabled(true);
        if (!last) {
            grid_->EnableRange(0, -1);
            ShowFields();
            context_.messages.Warning(tr("Writing data is failed"));
        }
    }
    if (lock_) {
        last = protocol_.Send(RfidCommands::SetLockPayload(RfidCommands::LockMode::Lock, payload_));
        if (!last) {
            context_.messages.Warning(tr("Writing lock-command is failed"));
        }
    }
    if ((unlock_ || data_ || lock_) && area_.kind == RfidCommands::TagKind::Label) {
        last = protocol_.Send(RfidCommands::PrintOneLabel());
    }
    if (last) {
        context_.messages.Information(tr("Writing is success"));
    }
}

void RfidWriteForm::PopupRead() {
    RfidReadForm read(context_, this);
    context_.run(read);
}

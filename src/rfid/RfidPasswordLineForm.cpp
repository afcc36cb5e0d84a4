#include "rfid/RfidPasswordLineForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "rfid/PasswordEntry.h"
#include "rfid/RfidPasswordBuilder.h"

namespace {

QLabel* Mark(QWidget* parent, const QString& text) {
    auto* mark = new QLabel(text, parent);
    QFont font = mark->font();
    font.setBold(true);
    mark->setFont(font);
    return mark;
}

}  // namespace

RfidPasswordLineForm::RfidPasswordLineForm(RfidPasswordBuilder& builder, const ToolContext& context,
                                           QWidget* parent)
    : BuilderForm(builder, context, parent), builder_(builder) {
    setWindowTitle(tr("RFID Password"));
    accessEdit_ = Controls::Field(this, "accessEdit");
    killEdit_ = Controls::Field(this, "killEdit");
    // Room for the dotted form, "5E.3A.91.C7", and a little more.
    const int width = accessEdit_->fontMetrics().horizontalAdvance(QStringLiteral("5E.3A.91.C7WW"));
    for (QLineEdit* field : {accessEdit_, killEdit_}) {
        field->setMinimumWidth(width);
        connect(field, &QLineEdit::textEdited, this, [this, field] { Edited(field); });
    }

    // The command as it reads: the fixed head, then the two passwords, each under its caption.
    auto* command = new QGridLayout;
    command->setHorizontalSpacing(4);
    command->setVerticalSpacing(1);
    const std::pair<QString, QLineEdit*> fields[] = {{tr("Access"), accessEdit_},
                                                     {tr("Kill"), killEdit_}};
    command->addWidget(Mark(this, QStringLiteral(">RFZ, '5E3A91C7,5E3A91C7,")), 1, 0);
    int column = 1;
    for (const auto& [caption, field] : fields) {
        if (column > 1) {
            command->addWidget(Mark(this, QStringLiteral(",")), 1, column++);
        }
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        command->addWidget(label, 0, column);
        command->addWidget(field, 1, column++);
    }
    command->addWidget(Mark(this, QStringLiteral("'")), 1, column);

    auto* hint = new QHBoxLayout;
    hint->addWidget(new QLabel(tr("* The value must be hexadecimal."), this));
    hint->addSpacing(12);
    hint->addWidget(new QLabel(tr("(e.g. 5E.3A.91.C7)"), this));
    hint->addStretch();
    auto* fieldsLayout = new QVBoxLayout;
    fieldsLayout->addLayout(command);
    fieldsLayout->addLayout(hint);
    Arrange(fieldsLayout, {}, false);
    Refresh();
}

bool RfidPasswordLineForm::ReadForm() {
    builder_.access = accessEdit_->text();
    builder_.kill = killEdit_->text();
    return true;
}

void RfidPasswordLineForm::Refresh() {
    for (const auto& [field, text] :
         {std::pair{accessEdit_, &builder_.access}, std::pair{killEdit_, &builder_.kill}}) {
        // Only a changed text is set, so the caret stays where the person is typing.
        if (field->text() != *text) {
            field->setText(*text);
        }
    }
}

void RfidPasswordLineForm::Edited(QLineEdit* field) {
    ReadForm();
    const QString dotted = RfidPasswordBuilder::Dotted(field->text());
    if (dotted != field->text()) {
        field->setText(dotted);
        field->setCursorPosition(int(dotted.size()));
        ReadForm();
    }
    Refresh();
}

void RfidPasswordLineForm::accept() {
    if (!PasswordEntry::Read(builder_.access, builder_.kill, Context().messages)) {
        return;
    }
    BuilderForm::accept();
}

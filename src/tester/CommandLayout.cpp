#include "tester/CommandLayout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QFont Bigger(QFont font, double factor) {
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

}  // namespace

CommandLayout::CommandLayout(QWidget* parent, const QString& name)
    : parent_(parent), outer_(new QHBoxLayout), rows_(new QVBoxLayout) {
    auto* label = new QLabel(name, parent);
    label->setObjectName(QStringLiteral("commandNameLabel"));
    label->setFont(Bigger(label->font(), 1.6));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // Level with the fields of the first row, below their captions.
    label->setContentsMargins(0, label->fontMetrics().height() / 2, 0, 0);
    outer_->addWidget(label, 0, Qt::AlignTop);
    outer_->addLayout(rows_, 1);
    outer_->setSpacing(6);
    rows_->setSpacing(10);
    StartRow();
}

QLabel* CommandLayout::Mark(const QString& text) {
    auto* mark = new QLabel(text, parent_);
    mark->setFont(Bigger(mark->font(), 1.3));
    mark->setAlignment(Qt::AlignCenter);
    return mark;
}

void CommandLayout::StartRow() {
    row_ = new QGridLayout;
    row_->setHorizontalSpacing(3);
    row_->setVerticalSpacing(1);
    rows_->addLayout(row_);
    column_ = 0;
}

QLabel* CommandLayout::Add(const QString& caption, QWidget* field) {
    if (column_ > 0) {
        row_->addWidget(Mark(QStringLiteral(",")), 1, column_++, Qt::AlignBottom);
    }
    auto* label = new QLabel(caption, parent_);
    label->setBuddy(field);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    row_->addWidget(label, 0, column_);
    row_->addWidget(field, 1, column_++);
    return label;
}

void CommandLayout::Add(QWidget* caption, QWidget* field) {
    if (column_ > 0) {
        row_->addWidget(Mark(QStringLiteral(",")), 1, column_++, Qt::AlignBottom);
    }
    row_->addWidget(caption, 0, column_, Qt::AlignHCenter | Qt::AlignBottom);
    row_->addWidget(field, 1, column_++);
}

void CommandLayout::EndRow() {
    row_->addWidget(Mark(QStringLiteral(",")), 1, column_++, Qt::AlignBottom);
    row_->setColumnStretch(column_, 1);
    StartRow();
}

void CommandLayout::AddData(QWidget* data) {
    if (column_ > 0) {
        EndRow();
    }
    row_->addWidget(Mark(QStringLiteral("'")), 0, 0);
    row_->addWidget(data, 0, 1);
    row_->addWidget(Mark(QStringLiteral("'")), 0, 2);
    row_->setColumnStretch(1, 1);
    column_ = 3;
}

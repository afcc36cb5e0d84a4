#include "rfid/DataCellGrid.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "forms/Controls.h"
#include "forms/Messages.h"

DataCellGrid::DataCellGrid(QWidget* parent, int count, int perRow) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    // Wide enough for two of the widest hex digits with the frame around them.
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 14;
    for (int number = 1; number <= count; ++number) {
        const int row = 2 * ((number - 1) / perRow);
        const int column = (number - 1) % perRow;
        auto* caption = new QLabel(QString::number(number), this);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        QFont small = caption->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        caption->setFont(small);
        auto* cell = Controls::Field(this, QStringLiteral("cell%1Edit").arg(number));
        cell->setAlignment(Qt::AlignCenter);
        cell->setFixedWidth(width);
        cell->setAccessibleName(tr("Cell %1").arg(number));
        connect(cell, &QLineEdit::textEdited, this, [this, number] { emit Edited(number); });
        grid->addWidget(caption, row, column);
        grid->addWidget(cell, row + 1, column);
        cells_.push_back(cell);
    }
}

QLineEdit* DataCellGrid::Cell(int number) const {
    if (number < 1 || number > Count()) {
        return nullptr;
    }
    return cells_[static_cast<std::size_t>(number - 1)];
}

QStringList DataCellGrid::Texts() const {
    QStringList texts;
    for (const QLineEdit* cell : cells_) {
        texts << cell->text();
    }
    return texts;
}

void DataCellGrid::SetTexts(const QStringList& texts) {
    for (int i = 0; i < Count(); ++i) {
        const QString text = i < texts.size() ? texts[i] : QString();
        if (cells_[static_cast<std::size_t>(i)]->text() != text) {
            cells_[static_cast<std::size_t>(i)]->setText(text);
        }
    }
}

void DataCellGrid::SetCharsPerCell(int chars) {
    for (QLineEdit* cell : cells_) {
        cell->setMaxLength(chars);
    }
}

void DataCellGrid::EnableRange(int first, int last) {
    for (int number = 1; number <= Count(); ++number) {
        Cell(number)->setEnabled(number >= first && number <= last);
    }
}

void DataCellGrid::SetReadOnly(bool readOnly) {
    for (QLineEdit* cell : cells_) {
        cell->setReadOnly(readOnly);
        cell->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    }
}

std::optional<QByteArray> DataCellGrid::DataText(const QStringList& cells,
                                                 RfidCommands::DataType type, Messages& messages) {
    const bool hex = type == RfidCommands::DataType::Hex;
    for (int number = 1; number <= cells.size(); ++number) {
        const QString& cell = cells[number - 1];
        if (RfidCommands::IsDataText(type, cell)) {
            continue;
        }
        if (hex) {
            messages.Warning(tr("Cell %1 holds \"%2\", which is not hexadecimal.\nUse the digits "
                                "0-9 and A-F only.")
                                 .arg(number)
                                 .arg(cell));
        } else if (cell.contains(QLatin1Char('\''))) {
            // The command has no escape for its closing quote.
            messages.Warning(
                tr("Cell %1 holds an apostrophe, which would end the data early.").arg(number));
        } else {
            messages.Warning(
                tr("Cell %1 holds \"%2\", which is not an ASCII character.").arg(number).arg(cell));
        }
        return std::nullopt;
    }
    return cells.join(QString()).toLatin1();
}

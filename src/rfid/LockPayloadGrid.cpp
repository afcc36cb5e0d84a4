#include "rfid/LockPayloadGrid.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace {

// Object names of the areas and rows, for tests and assistive technology.
constexpr const char* kAreaNames[] = {"KillPassword", "AccessPassword", "Epc", "Tid", "User"};
constexpr const char* kRowNames[] = {"mask", "action"};

}  // namespace

LockPayloadGrid::LockPayloadGrid(QWidget* parent) : QWidget(parent) {
    const QString captions[LockPayload::kAreaCount] = {tr("Kill\nPass"), tr("Acess\nPass"),
                                                       tr("EPC\nMemory"), tr("TID\nMemory"),
                                                       tr("User\nMemory")};
    const QString rows[] = {tr("Mask"), tr("Action")};
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(14);
    for (int area = 0; area < LockPayload::kAreaCount; ++area) {
        auto* caption = new QLabel(captions[area], this);
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 0, 1 + area);
    }
    for (int row = 0; row < 2; ++row) {
        grid->addWidget(new QLabel(rows[row], this), 1 + row, 0);
        for (int area = 0; area < LockPayload::kAreaCount; ++area) {
            // The two boxes of an area side by side, centred under its caption.
            auto* pair = new QHBoxLayout;
            pair->setSpacing(2);
            for (int side = 0; side < 2; ++side) {
                const int index = LockPayload::Index(static_cast<LockPayload::Row>(row),
                                                     static_cast<LockPayload::Area>(area),
                                                     static_cast<LockPayload::Side>(side));
                auto* box = new QCheckBox(this);
                box->setObjectName(
                    QStringLiteral("%1%2%3Box")
                        .arg(QLatin1String(kRowNames[row]), QLatin1String(kAreaNames[area]),
                             side == 0 ? QStringLiteral("Left") : QStringLiteral("Right")));
                box->setAccessibleName(
                    rows[row] + QLatin1Char(' ') +
                    QString(captions[area]).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
                    QLatin1Char(' ') + QString::number(side + 1));
                connect(box, &QCheckBox::toggled, this, &LockPayloadGrid::Toggled);
                boxes_[static_cast<std::size_t>(index)] = box;
                pair->addWidget(box);
            }
            grid->addLayout(pair, 1 + row, 1 + area, Qt::AlignCenter);
        }
    }
}

LockPayload LockPayloadGrid::Payload() const {
    LockPayload payload;
    for (int index = 0; index < LockPayload::kBoxCount; ++index) {
        payload.Set(index, Box(index)->isChecked());
    }
    return payload;
}

void LockPayloadGrid::SetPayload(const LockPayload& payload) {
    for (int index = 0; index < LockPayload::kBoxCount; ++index) {
        Box(index)->setChecked(payload.IsSet(index));
    }
}

void LockPayloadGrid::SetBoxesEnabled(bool enabled) {
    for (QCheckBox* box : boxes_) {
        box->setEnabled(enabled);
    }
}

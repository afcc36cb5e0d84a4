#pragma once

#include <QWidget>
#include <array>

#include "rfid/LockPayload.h"

class QCheckBox;

// The lock payload as twenty boxes: a Mask row and an Action row, one column per area, two boxes
// per column with the left one the higher bit.
class LockPayloadGrid : public QWidget {
    Q_OBJECT
public:
    explicit LockPayloadGrid(QWidget* parent);

    LockPayload Payload() const;
    void SetPayload(const LockPayload& payload);
    void SetBoxesEnabled(bool enabled);
    QCheckBox* Box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }

signals:
    void Toggled();

private:
    std::array<QCheckBox*, LockPayload::kBoxCount> boxes_{};
};

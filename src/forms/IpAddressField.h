#pragma once

#include <QFrame>
#include <array>

class QLineEdit;

// An IPv4 address field: four numbers 0..255 in one framed box. A blank number counts as 0.
// Typing a dot or the third digit moves on to the next number.
class IpAddressField : public QFrame {
    Q_OBJECT
public:
    explicit IpAddressField(QWidget* parent = nullptr);

    std::array<int, 4> Address() const;
    void SetAddress(const std::array<int, 4>& address);
    // Dotted text, "%d.%d.%d.%d".
    QString Text() const;

    QLineEdit* Part(int index) const { return parts_[static_cast<std::size_t>(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::array<QLineEdit*, 4> parts_{};
};

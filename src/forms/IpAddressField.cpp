#include "forms/IpAddressField.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace {

// One number of the address: up to three digits, never above 255.
class ByteValidator : public QIntValidator {
public:
    explicit ByteValidator(QObject* parent) : QIntValidator(0, 255, parent) {}
    State validate(QString& input, int& position) const override {
        const State state = QIntValidator::validate(input, position);
        return state == Intermediate && input.toInt() > 255 ? Invalid : state;
    }
};

}  // namespace

IpAddressField::IpAddressField(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(0);
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        auto* part = new QLineEdit(this);
        part->setObjectName(QStringLiteral("ipPart%1").arg(i));
        part->setFrame(false);
        part->setAlignment(Qt::AlignCenter);
        part->setMaxLength(3);
        part->setValidator(new ByteValidator(part));
        part->setMinimumWidth(part->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        part->installEventFilter(this);
        parts_[i] = part;
        layout->addWidget(part, 1);
        if (i + 1 < parts_.size()) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setBackgroundRole(QPalette::Base);
            layout->addWidget(dot);
        }
        connect(part, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (text.size() == 3 && i + 1 < parts_.size()) {
                parts_[i + 1]->setFocus();
                parts_[i + 1]->selectAll();
            }
        });
    }
    setFocusProxy(parts_[0]);
}

std::array<int, 4> IpAddressField::Address() const {
    std::array<int, 4> address{};
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        address[i] = std::clamp(parts_[i]->text().toInt(), 0, 255);
    }
    return address;
}

void IpAddressField::SetAddress(const std::array<int, 4>& address) {
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        parts_[i]->setText(QString::number(std::clamp(address[i], 0, 255)));
    }
}

QString IpAddressField::Text() const {
    const auto a = Address();
    return QStringLiteral("%1.%2.%3.%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
}

bool IpAddressField::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            if (watched != parts_[i]) {
                continue;
            }
            const bool dot = key->text() == QStringLiteral(".");
            if (dot && i + 1 < parts_.size()) {
                parts_[i + 1]->setFocus();
                parts_[i + 1]->selectAll();
                return true;
            }
            if (key->key() == Qt::Key_Backspace && parts_[i]->cursorPosition() == 0 && i > 0) {
                parts_[i - 1]->setFocus();
                parts_[i - 1]->setCursorPosition(parts_[i - 1]->text().size());
                return true;
            }
            return dot;  // a dot in the last number is swallowed
        }
    }
    return QFrame::eventFilter(watched, event);
}

void IpAddressField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        setBackgroundRole(isEnabled() ? QPalette::Base : QPalette::Window);
    }
    QFrame::changeEvent(event);
}

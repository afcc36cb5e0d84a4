#include "preview/LabelView.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

const QColor kBackground(150, 150, 150);
const QColor kOutline(70, 70, 70);

}  // namespace

LabelView::LabelView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Relayout();
}

void LabelView::ShowLabel(const QImage& label) {
    label_ = label.isNull() ? QImage() : label.convertToFormat(QImage::Format_RGB32);
    reduced_ = QImage();
    Relayout();
}

void LabelView::SetScale(double scale) {
    fit_ = false;
    scale_ = scale;
    Relayout();
}

void LabelView::SetFit() {
    fit_ = true;
    Relayout();
}

double LabelView::Scale() const {
    if (!fit_) {
        return scale_;
    }
    if (label_.isNull()) {
        return 1.0;
    }
    const QSize room = viewport()->size() - QSize(2 * kMargin, 2 * kMargin);
    const double scale =
        std::min(double(room.width()) / label_.width(), double(room.height()) / label_.height());
    // A small label grows by whole steps only, so that every dot stays the same size.
    if (scale >= 1.0) {
        return std::min(std::floor(scale), double(kLargestFit));
    }
    return std::max(scale, 0.01);
}

QSize LabelView::ShownSize() const {
    if (label_.isNull()) {
        return {};
    }
    const double scale = Scale();
    return {std::max(1, int(std::lround(label_.width() * scale))),
            std::max(1, int(std::lround(label_.height() * scale)))};
}

void LabelView::Relayout() {
    const QSize room = viewport()->size();
    const QSize shown = ShownSize() + QSize(2 * kMargin, 2 * kMargin);
    horizontalScrollBar()->setRange(0, std::max(0, shown.width() - room.width()));
    verticalScrollBar()->setRange(0, std::max(0, shown.height() - room.height()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setPageStep(room.height());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    viewport()->update();
}

void LabelView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void LabelView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // One step per notch of a wheel; touch pads send smaller turns that add up.
    wheelTurn_ += event->angleDelta().y();
    const int steps = wheelTurn_ / QWheelEvent::DefaultDeltasPerStep;
    wheelTurn_ -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) {
        emit ZoomStepped(steps);
    }
    event->accept();
}

QSize LabelView::sizeHint() const {
    return {440, 480};
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), kBackground);
    if (label_.isNull()) {
        return;
    }
    const QSize shown = ShownSize();
    const QSize room = viewport()->size();
    // Centred while it fits in a direction, scrolled from the margin otherwise.
    const int left = shown.width() + 2 * kMargin <= room.width()
                         ? (room.width() - shown.width()) / 2
                         : kMargin - horizontalScrollBar()->value();
    const int top = shown.height() + 2 * kMargin <= room.height()
                        ? (room.height() - shown.height()) / 2
                        : kMargin - verticalScrollBar()->value();
    const QRect target(QPoint(left, top), shown);
    painter.setPen(kOutline);
    painter.drawRect(target.adjusted(-1, -1, 0, 0));
    if (shown.width() >= label_.width()) {
        // Each dot a crisp square: no smoothing.
        painter.drawImage(target, label_);
        return;
    }
    // Smaller than the dots: every dot counts towards the grey of its pixel, so a line one dot
    // wide shows as grey instead of vanishing between the pixels it falls on.
    if (reduced_.size() != shown) {
        reduced_ = label_.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    painter.drawImage(target.topLeft(), reduced_);
}

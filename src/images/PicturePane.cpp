#include "images/PicturePane.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>

PicturePane::PicturePane(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    UpdateScrollRange();
}

void PicturePane::Clear() {
    ShowPicture(QImage());
}

void PicturePane::ShowPicture(const QImage& picture) {
    picture_ = picture;
    UpdateScrollRange();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void PicturePane::UpdateScrollRange() {
    const QSize room = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, ImageWidth() - room.width()));
    verticalScrollBar()->setRange(0, std::max(0, ImageHeight() - room.height()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setPageStep(room.height());
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
}

void PicturePane::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

QSize PicturePane::sizeHint() const {
    return {480, 360};
}

void PicturePane::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    // Grey also around a picture smaller than the pane, so its white edges stay visible.
    painter.fillRect(viewport()->rect(), EmptyColour());
    if (HasImage()) {
        painter.drawImage(QPoint(-horizontalScrollBar()->value(), -verticalScrollBar()->value()),
                          picture_);
    }
}

#include "images/CDlgScrollView.h"

#include <QPainter>
#include <QScrollBar>

#include "forms/Pacer.h"

CDlgScrollView::CDlgScrollView(Pacer& pacer_, QWidget* parent)
    : QAbstractScrollArea(parent), pacer(pacer_) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    UpdateScrollRange();
}

void CDlgScrollView::Clear() {
    image.Release();
    imageWidth = 0;
    imageHeight = 0;
    UpdateScrollRange();
    viewport()->update();
}

bool CDlgScrollView::LoadImage(const QString& path, int ditherMethod, Loaded& loaded) {
    Clear();
    const QString extension = Picture::Extension(path);
    if (extension.isEmpty()) {
        return false;
    }
    const int type = Picture::TypeFromExtension(extension);
    image.Load(path, type);
    pacer.Pause(kPauseAfterLoadingMs);
    if (!image.IsValid()) {
        image.Release();
        return false;
    }
    loaded.type = type;
    loaded.bitsPerPixel = image.BitsPerPixel();
    if (ditherMethod >= 0) {
        image.Dither(ditherMethod);
        pacer.Pause(kPauseAfterDitheringMs);
    } else if (image.BitsPerPixel() > 1) {
        image.ReduceToOneBit();
        pacer.Pause(kPauseAfterReductionMs);
    }
    imageWidth = image.Width();
    imageHeight = image.Height();
    UpdateScrollRange();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
    return true;
}

void CDlgScrollView::UpdateScrollRange() {
    const QSize room = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, imageWidth - room.width()));
    verticalScrollBar()->setRange(0, std::max(0, imageHeight - room.height()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setPageStep(room.height());
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
}

void CDlgScrollView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

QSize CDlgScrollView::sizeHint() const {
    return {480, 360};
}

void CDlgScrollView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    // Grey also around a picture smaller than the pane, so its white edges stay visible.
    painter.fillRect(viewport()->rect(), EmptyColour());
    image.Draw(painter, QPoint(-horizontalScrollBar()->value(), -verticalScrollBar()->value()));
}

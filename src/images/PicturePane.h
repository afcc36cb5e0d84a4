#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>

// The picture pane of the Image Viewer: one picture at its natural size, scrolled when larger
// than the pane; light grey when there is none.
class PicturePane : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PicturePane(QWidget* parent = nullptr);

    // Shows `picture` from its top-left corner; a null picture empties the pane.
    void ShowPicture(const QImage& picture);
    // Drops the picture: grey pane, nothing to scroll.
    void Clear();

    bool HasImage() const { return !picture_.isNull(); }
    // The picture as shown.
    const QImage& Shown() const { return picture_; }
    int ImageWidth() const { return picture_.width(); }
    int ImageHeight() const { return picture_.height(); }

    static QColor EmptyColour() { return QColor(238, 238, 238); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QSize sizeHint() const override;

private:
    void UpdateScrollRange();

    QImage picture_;
};

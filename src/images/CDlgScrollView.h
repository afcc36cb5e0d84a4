#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include "images/Picture.h"

class Pacer;

// The picture pane of the Image Viewer: one picture at its natural size, scrolled when larger
// than the pane; light grey when there is none.
class CDlgScrollView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kPauseAfterLoadingMs = 50;
    static constexpr int kPauseAfterDitheringMs = 30;
    static constexpr int kPauseAfterReductionMs = 50;

    CDlgScrollView(Pacer& pacer, QWidget* parent = nullptr);

    // What a successful LoadImage gives back.
    struct Loaded {
        int type = 0;
        int bitsPerPixel = 0;  // as the file holds the picture
    };

    // Drops the picture: grey pane, nothing to scroll.
    void Clear();
    // Loads the file by its extension's type and shows it dithered with `ditherMethod` (0 or
    // more), or else reduced to one bit. False, with the grey pane, when nothing can be shown;
    // a file with no extension does not give back a type at all.
    bool LoadImage(const QString& path, int ditherMethod, Loaded& loaded);

    bool HasImage() const { return image.IsValid(); }
    // The picture as shown.
    const QImage& Shown() const { return image.Image(); }
    int ImageWidth() const { return imageWidth; }
    int ImageHeight() const { return imageHeight; }

    static QColor EmptyColour() { return QColor(238, 238, 238); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QSize sizeHint() const override;

private:
    void UpdateScrollRange();

    Pacer& pacer;
    Picture image;
    int imageWidth = 0;
    int imageHeight = 0;
};

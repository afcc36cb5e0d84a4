#pragma once

#include <QAbstractScrollArea>
#include <QImage>

// The label of the preview pane: a white label with a thin outline on grey, scaled by a zoom
// factor or fitted to the view, and scrolled when larger than the view.
class LabelView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LabelView(QWidget* parent = nullptr);

    // Shows `label` (any format; a null picture empties the view). The scroll position stays
    // when the size does, so a label redrawn while typing does not jump.
    void ShowLabel(const QImage& label);
    // Screen pixels per dot; fitting picks the largest scale that shows the whole label.
    void SetScale(double scale);
    void SetFit();
    bool Fits() const { return fit_; }
    // The scale the label is shown at.
    double Scale() const;

    static constexpr int kMargin = 12;
    static constexpr int kLargestFit = 4;

signals:
    // Ctrl + wheel: positive steps zoom in.
    void ZoomStepped(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    QSize sizeHint() const override;

private:
    QSize ShownSize() const;
    void Relayout();

    QImage label_;    // RGB32: what the raster engine scales fastest
    QImage reduced_;  // label_ averaged down to the shown size, for scales below one
    bool fit_ = true;
    double scale_ = 1.0;
    int wheelTurn_ = 0;  // eighths of a degree not yet made into a step
};

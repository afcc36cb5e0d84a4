#pragma once

#include <QByteArray>
#include <QTimer>
#include <QWidget>

#include "preview/LabelRendering.h"

class LabelView;
class QComboBox;
class QLabel;
class QStackedWidget;
class QTreeWidget;

// The labels a command script would print, drawn as the printer would draw them: zoomable, one
// label at a time with its copies, and the commands that could not be drawn. It only draws:
// nothing of it reaches a printer.
class LabelPreviewPane : public QWidget {
    Q_OBJECT
public:
    // How long typing must pause before the script is drawn again.
    static constexpr int kTypingPauseMs = 40;
    // Zoom entries, in percent; kFit fits the whole label into the view.
    static constexpr int kFit = 0;
    static constexpr int kZooms[] = {25, 50, 100, 200, 400};
    // The longest command shown in the list of commands not drawn.
    static constexpr int kShownCommand = 40;

    explicit LabelPreviewPane(QWidget* parent = nullptr);

    // The script to draw; drawn after the typing pause.
    void SetScript(const QByteArray& bytes);
    // Shows `notice` instead of labels (a script that cannot be read as bytes, say).
    void ShowNotice(const QString& notice);
    // Draws the script at once instead of after the pause.
    void RenderNow();

    const preview::Rendering& Shown() const { return rendering_; }
    int ShownLabel() const { return shownLabel_; }
    // Screen pixels per printer dot, as the label is shown.
    double Scale() const;

    // The reason shown for a command that was not drawn.
    static QString Reason(const preview::Undrawn& undrawn);

private:
    void BuildForm();
    void ShowRendering();
    void ShowLabel(int index);
    void ShowUndrawn();
    void ApplyZoom();
    void StepZoom(int steps);

    QByteArray script_;
    preview::PrinterSetup setup_;
    preview::Rendering rendering_;
    int shownLabel_ = 0;
    QTimer pause_;

    QComboBox* zoom_ = nullptr;
    QComboBox* labels_ = nullptr;
    QLabel* copies_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QLabel* hint_ = nullptr;
    LabelView* view_ = nullptr;
    QLabel* size_ = nullptr;
    QLabel* undrawnTitle_ = nullptr;
    QTreeWidget* undrawn_ = nullptr;
};

#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "forms/ToolContext.h"
#include "images/DitherMethod.h"
#include "images/PicturePreview.h"
#include "images/PictureType.h"

class PicturePane;
class QComboBox;
class QLabel;

// "Image Viewer": previews a picture file in black and white and lets the user choose how it is
// dithered. Opened by the PCX File Downloader right after a file was chosen.
class ImageViewer : public QDialog {
    Q_OBJECT
public:
    ImageViewer(const ToolContext& context, const QString& path, QWidget* parent = nullptr);

    // The method chosen, as read when the viewer was closed with OK.
    DitherMethod Method() const { return method_; }
    // The type the file was read as; Unknown when it could not be shown.
    PictureType Type() const { return type_; }
    // Whether the file was refused for its picture's size (with a warning as the viewer opened).
    bool TooLarge() const { return preview_.TooLarge(); }
    PicturePane* Pane() const { return pane_; }

    void accept() override;

private:
    void ReadForm();
    // Shows the file afresh with the method now chosen in the list.
    void PreviewChosenMethod();
    std::optional<PicturePreview::Shown> ShowPreview();

    const ToolContext context_;  // a copy: it holds only references
    const QString path_;
    PicturePreview preview_;
    DitherMethod method_ = DitherMethod::None;
    PictureType type_ = PictureType::Unknown;
    PicturePane* pane_ = nullptr;
    QLabel* pathLabel_ = nullptr;
    QComboBox* ditherList_ = nullptr;
};

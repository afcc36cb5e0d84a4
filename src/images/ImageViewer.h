#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "forms/ToolContext.h"

class CDlgScrollView;
class QComboBox;
class QLabel;

// "Image Viewer": previews a picture file in black and white and lets the user choose how it is
// dithered. Opened by the PCX File Downloader right after a file was chosen.
class ImageViewer : public QDialog {
    Q_OBJECT
public:
    // The method number each entry of the dither list carries, in list order.
    static constexpr std::array<int, 5> kDitherMethods = {-1, 0, 1, 7, 8};

    ImageViewer(const ToolContext& context, const QString& path, QWidget* parent = nullptr);

    int DitherMethod() const { return ditherMethod; }
    int ImageType() const { return imageType; }
    CDlgScrollView* View() const { return view; }

    void accept() override;

private:
    void ReadForm();
    void OnDitherChanged();
    void Reload();

    const ToolContext context;  // a copy: it holds only references
    const QString path;
    int ditherMethod = -1;
    int imageType = 0;
    CDlgScrollView* view = nullptr;
    QLabel* pathLabel = nullptr;
    QComboBox* ditherCombo = nullptr;
};

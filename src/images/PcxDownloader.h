#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "forms/ToolContext.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// What the Image Viewer hands back when closed with OK.
struct ViewerChoice {
    int ditherMethod = -1;
    int imageType = 0;
};

// Shows the Image Viewer on a file; nothing when it was cancelled. Tests hand in their own, so
// the viewer can be driven without a modal loop.
using ViewerOpener =
    std::function<std::optional<ViewerChoice>(const ToolContext&, const QString& path, QWidget*)>;

// "PCX File Downloader": stores a picture in the printer's image memory as a black-and-white
// PCX file, deletes stored pictures, asks for the list of them, and recalls one onto a label.
class PcxDownloader : public QDialog {
    Q_OBJECT
public:
    // `temporaryRoot`: where the private folder of the converted file is made (the system's
    // temporary folder when empty).
    PcxDownloader(const ToolContext& context, QWidget* parent = nullptr,
                  ViewerOpener openViewer = {}, QString temporaryRoot = {});

    // The real viewer, modal.
    static std::optional<ViewerChoice> ShowViewer(const ToolContext& context, const QString& path,
                                                  QWidget* parent);

    // The chosen file's state, for a look from outside.
    bool FileSelected() const { return fileSelected; }
    int DitherMethod() const { return ditherMethod; }
    int ImageType() const { return imageType; }
    const QString& SendPath() const { return sendPath; }

    void accept() override;

private:
    void ChooseFile();
    void Download();
    void DeleteImage();
    void DeleteAllImages();
    void ImageInformation();
    void RecallImage();

    void ReadForm();
    void ShowForm();
    // `fileName` without its last four characters (the extension, when it has three letters).
    QString NameFromFile() const;
    // Warns and gives false when a typed name cannot go into a command.
    bool NameIsUsable(const QString& name);
    void Send(const QByteArray& command);

    const ToolContext context;  // a copy: it holds only references
    ViewerOpener openViewer;
    QString temporaryRoot;

    bool fileSelected = false;
    int ditherMethod = -1;
    int imageType = 0;
    QString sendPath;
    QString fileName;
    QString filePath;
    QString sizeText;
    QString xText = QStringLiteral("0");
    QString yText = QStringLiteral("0");
    QString storeName;
    QString deleteName;
    QString recallName;

    QLineEdit* pathEdit = nullptr;
    QLineEdit* storeNameEdit = nullptr;
    QLabel* fileNameLabel = nullptr;
    QLabel* fileSizeLabel = nullptr;
    QProgressBar* progressBar = nullptr;
    QLineEdit* deleteNameEdit = nullptr;
    QLineEdit* recallNameEdit = nullptr;
    QLineEdit* xEdit = nullptr;
    QLineEdit* yEdit = nullptr;
};

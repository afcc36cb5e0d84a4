#pragma once

#include <QDialog>
#include <QString>

#include "forms/ToolContext.h"
#include "images/DitherMethod.h"
#include "images/PictureType.h"

class QLabel;
class QLineEdit;
class QProgressBar;

// "PCX File Downloader": stores a picture in the printer's image memory as a black-and-white
// PCX file, deletes stored pictures, asks for the list of them, and recalls one onto a label.
class PcxDownloader : public QDialog {
    Q_OBJECT
public:
    // `temporaryRoot`: where the private folder of the converted file is made (the system's
    // temporary folder when empty). The Image Viewer opens through `context.run`.
    PcxDownloader(const ToolContext& context, QWidget* parent = nullptr,
                  QString temporaryRoot = {});

    // The chosen file's state, for a look from outside: the method and type the viewer gave.
    bool FileSelected() const { return fileSelected_; }
    DitherMethod Method() const { return method_; }
    PictureType Type() const { return type_; }
    const QString& SendPath() const { return sendPath_; }

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
    // `fileName_` without its last four characters (the extension, when it has three letters).
    QString NameFromFile() const;
    // Warns, puts the focus on `field`, and gives false when a typed name cannot go into a
    // command.
    bool NameIsUsable(const QString& name, QLineEdit* field);
    // The same for a position: every character needs a byte.
    bool PositionIsUsable(const QString& position, QLineEdit* field);
    bool Refuse(const QString& problem, QLineEdit* field);
    void Send(const QByteArray& command);

    const ToolContext context_;  // a copy: it holds only references
    QString temporaryRoot_;

    bool fileSelected_ = false;
    DitherMethod method_ = DitherMethod::None;
    PictureType type_ = PictureType::Unknown;
    bool tooLarge_ = false;  // the viewer refused the chosen picture for its size
    QString sendPath_;
    QString fileName_;
    QString filePath_;
    QString sizeText_;
    QString xText_ = QStringLiteral("0");
    QString yText_ = QStringLiteral("0");
    QString storeName_;
    QString deleteName_;
    QString recallName_;

    QLineEdit* pathEdit_ = nullptr;
    QLineEdit* storeNameEdit_ = nullptr;
    QLabel* fileNameLabel_ = nullptr;
    QLabel* fileSizeLabel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLineEdit* deleteNameEdit_ = nullptr;
    QLineEdit* recallNameEdit_ = nullptr;
    QLineEdit* xEdit_ = nullptr;
    QLineEdit* yEdit_ = nullptr;
};

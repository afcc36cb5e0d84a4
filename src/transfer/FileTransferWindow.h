#pragma once

#include <QDialog>
#include <QString>
#include <QtGlobal>

#include "forms/ToolContext.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// "File Transfer": sends the bytes of any file (a command file, a binary file made elsewhere)
// to the printer unchanged.
class FileTransferWindow : public QDialog {
    Q_OBJECT
public:
    explicit FileTransferWindow(const ToolContext& context, QWidget* parent = nullptr);

    // The chosen file's state, for a look from outside.
    bool FileSelected() const { return fileSelected_; }
    const QString& FilePath() const { return filePath_; }
    // Whether a transfer is under way (the form takes no input then).
    bool Busy() const { return busy_; }

    // Nothing closes the window while a transfer is under way.
    void reject() override;

private:
    void ChooseFile();
    void Download();
    void ShowForm();
    void SetBusy(bool busy);

    const ToolContext context_;  // a copy: it holds only references

    bool fileSelected_ = false;
    QString fileName_;
    QString filePath_;
    QString sizeText_;
    qint64 size_ = 0;  // the size shown, which is what gets sent
    bool busy_ = false;

    QLineEdit* pathEdit_ = nullptr;
    QLabel* fileNameLabel_ = nullptr;
    QLabel* fileSizeLabel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QPushButton* downloadButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

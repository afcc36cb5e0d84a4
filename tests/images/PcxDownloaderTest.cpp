// The PCX File Downloader window with the fake link: choosing, the form, the download and the
// four other commands, and every message.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/PcxCodec.h"
#include "images/PcxDownloader.h"
#include "images/Picture.h"
#include "support/TestRig.h"

namespace {

using namespace images_test;

const QStringList kFilter = {
    QStringLiteral("Image files(*.PCX,*.BMP,*.JPG,*.JPEG) (*.PCX *.BMP *.JPG *.JPEG)"),
    QStringLiteral("All Files(*.*) (*.*)")};
const QString kCompleted = QStringLiteral("PCX file download is completed.");

class Downloader : public testing::Test {
protected:
    Downloader() {
        window = std::make_unique<PcxDownloader>(
            rig.Context(), nullptr,
            [this](const ToolContext&, const QString& path, QWidget*) {
                viewerPaths << path;
                if (beforeViewerCloses) {
                    beforeViewerCloses();
                }
                return viewerChoice;
            },
            temporary.path());
    }

    template <typename T = QWidget>
    T* Find(const char* name) {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Text(const char* name) {
        if (auto* label = window->findChild<QLabel*>(QLatin1String(name))) {
            return label->text();
        }
        return Find<QLineEdit>(name)->text();
    }
    void Click(const char* name) { Find<QPushButton>(name)->click(); }
    void Type(const char* name, const QString& text) { Find<QLineEdit>(name)->setText(text); }

    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // Chooses a file in the file dialog; the viewer closes with `choice`.
    void Choose(const QString& path, std::optional<ViewerChoice> choice = ViewerChoice{-1, 0}) {
        rig.files.answers.push_back(path);
        viewerChoice = choice;
        Click("browseButton");
    }

    TestRig rig;
    QTemporaryDir files;
    QTemporaryDir temporary;
    QStringList viewerPaths;
    std::optional<ViewerChoice> viewerChoice;
    std::function<void()> beforeViewerCloses;
    std::unique_ptr<PcxDownloader> window;
};

TEST_F(Downloader, OpensWithNothingChosen) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("PCX File Downloader"));
    const std::pair<const char*, const char*> fields[] = {
        {"pathEdit", ""},
        {"fileNameLabel", "None"},
        {"fileSizeLabel", "0 Byte"},
        {"storeNameEdit", ""},
        {"deleteNameEdit", ""},
        {"recallNameEdit", ""},
        {"xEdit", "0"},
        {"yEdit", "0"},
    };
    for (const auto& [name, text] : fields) {
        EXPECT_EQ(Text(name), QLatin1String(text)) << name;
    }
    EXPECT_FALSE(window->FileSelected());
    EXPECT_EQ(Find<QProgressBar>("progressBar")->value(), 0);
}

struct ChoiceCase {
    const char* file;
    std::optional<ViewerChoice> viewer;
    const char* fileName;
    const char* size;
    const char* names;
    bool selected;
};

TEST_F(Downloader, ChoosingAFileFillsTheForm) {
    const ChoiceCase cases[] = {
        {"logo.pcx", ViewerChoice{-1, Picture::kPcx}, "logo.pcx", "5000 Bytes", "logo", true},
        // Exactly four characters go: a four-letter extension leaves its dot.
        {"photo.jpeg", ViewerChoice{8, Picture::kJpeg}, "photo.jpeg", "5000 Bytes", "photo.", true},
        {"abc", ViewerChoice{-1, 0}, "abc", "5000 Bytes", "", true},
        // The viewer cancelled: nothing is chosen; names typed before stay.
        {"logo.pcx", std::nullopt, "None", "0 Byte", "typed", false},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.file);
        for (const char* name : {"storeNameEdit", "deleteNameEdit", "recallNameEdit"}) {
            Type(name, QStringLiteral("typed"));
        }
        const QString path = WriteFile(QLatin1String(c.file), QByteArray(5000, 'x'));
        viewerPaths.clear();
        Choose(path, c.viewer);
        EXPECT_EQ(viewerPaths, QStringList{path});
        EXPECT_EQ(window->FileSelected(), c.selected);
        EXPECT_EQ(Text("pathEdit"), c.selected ? path : QString());
        EXPECT_EQ(Text("fileNameLabel"), QLatin1String(c.fileName));
        EXPECT_EQ(Text("fileSizeLabel"), QLatin1String(c.size));
        for (const char* name : {"storeNameEdit", "deleteNameEdit", "recallNameEdit"}) {
            EXPECT_EQ(Text(name), QLatin1String(c.names)) << name;
        }
        if (c.viewer) {
            EXPECT_EQ(window->DitherMethod(), c.viewer->ditherMethod);
            EXPECT_EQ(window->ImageType(), c.viewer->imageType);
        }
    }
    ASSERT_EQ(rig.files.requests.size(), 4u);
    EXPECT_EQ(rig.files.requests[0].nameFilters, kFilter);
    EXPECT_FALSE(rig.files.requests[0].save);
    EXPECT_TRUE(rig.messages.entries.empty());
    EXPECT_TRUE(rig.link.writes.empty());
}

TEST_F(Downloader, CancellingTheFileDialogForgetsTheChoice) {
    Choose(WriteFile(QStringLiteral("logo.pcx"), "x"));
    ASSERT_TRUE(window->FileSelected());
    viewerPaths.clear();
    Choose(QString());
    EXPECT_TRUE(viewerPaths.isEmpty());
    EXPECT_FALSE(window->FileSelected());
    EXPECT_EQ(Text("fileNameLabel"), QStringLiteral("None"));
    EXPECT_EQ(Text("pathEdit"), QString());
}

TEST_F(Downloader, AFileThatCannotBeOpenedAfterTheViewerKeepsTheFormAsItWas) {
    Choose(WriteFile(QStringLiteral("first.pcx"), QByteArray(10, 'x')));
    const QString second = WriteFile(QStringLiteral("second.pcx"), QByteArray(20, 'x'));
    beforeViewerCloses = [&] { QFile::remove(second); };
    Choose(second);
    EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Can't open file!")});
    EXPECT_TRUE(window->FileSelected());
    EXPECT_EQ(Text("fileNameLabel"), QStringLiteral("first.pcx"));
    EXPECT_EQ(Text("fileSizeLabel"), QStringLiteral("10 Bytes"));

    // Sending it then finds it gone as well.
    Click("downloadButton");
    EXPECT_EQ(rig.messages.Warnings(), (QStringList{QStringLiteral("Can't open file!"),
                                                    QStringLiteral("Can't open file!")}));
    EXPECT_TRUE(rig.link.writes.empty());
}

TEST_F(Downloader, DownloadsAFileThatIsNoPictureUnchanged) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    QByteArray bytes(5000, '\0');
    for (int i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i % 251);
    }
    Choose(WriteFile(QStringLiteral("logo.pcx"), bytes), ViewerChoice{-1, Picture::kPcx});
    QProgressBar* bar = Find<QProgressBar>("progressBar");
    QSignalSpy values(bar, &QProgressBar::valueChanged);
    Click("downloadButton");
    EXPECT_EQ(rig.link.writes,
              (std::vector<QByteArray>{"IS5000,'logo'", bytes.left(2048), bytes.mid(2048, 2048),
                                       bytes.mid(4096), "\r\n\r\nIR100,100,'logo'\r\nP1\r\n"}));
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 2);
    QList<int> shown;
    for (const QVariantList& value : values) {
        shown << value[0].toInt();
    }
    EXPECT_EQ(shown, (QList<int>{1, 2, 0}));
    EXPECT_EQ(rig.pacer.pauses, (std::vector<int>{100, 100}));
    EXPECT_EQ(rig.messages.Informations(), QStringList{kCompleted});
    EXPECT_TRUE(rig.messages.Warnings().isEmpty());
    EXPECT_EQ(window->SendPath(), files.filePath(QStringLiteral("logo.pcx")));

    // The choice stays: the same file can be sent again, under a name typed meanwhile.
    rig.link.ClearRecord();
    Type("storeNameEdit", QStringLiteral("second"));
    Click("downloadButton");
    EXPECT_EQ(rig.link.writes.front(), QByteArray("IS5000,'second'"));
}

TEST_F(Downloader, OnEthernetTheBarShowsFullDuringTheOneWrite) {
    rig.ConnectAndClear(QStringLiteral("ETHERNET"));
    Choose(WriteFile(QStringLiteral("logo.pcx"), QByteArray(5000, 'x')));
    QSignalSpy values(Find<QProgressBar>("progressBar"), &QProgressBar::valueChanged);
    Click("downloadButton");
    ASSERT_EQ(rig.link.writes.size(), 3u);
    EXPECT_EQ(rig.link.writes[1].size(), 5000);
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values[0][0].toInt(), 2);
    EXPECT_EQ(values[1][0].toInt(), 0);
}

TEST_F(Downloader, AnEmptyStoreNameBecomesTheFileName) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    Choose(WriteFile(QStringLiteral("label.bmp"), QByteArray(30, 'x')));
    Type("storeNameEdit", QString());
    Click("downloadButton");
    EXPECT_EQ(rig.link.writes.front(), QByteArray("IS30,'label'"));
    EXPECT_EQ(rig.link.writes.back(), QByteArray("\r\n\r\nIR100,100,'label'\r\nP1\r\n"));
    EXPECT_EQ(Text("storeNameEdit"), QStringLiteral("label"));
}

// The picture chosen in the viewer goes as the black-and-white PCX the chosen method makes.
TEST_F(Downloader, SendsAColourPictureAsItsOneBitPcx) {
    const QImage scene = ColourScene(90, 33);
    const QString path = files.filePath(QStringLiteral("scene.jpg"));
    ASSERT_TRUE(scene.save(path, "PNG"));  // a PNG under a JPEG name still loads
    const std::pair<int, std::vector<int>> cases[] = {
        {-1, {50, 200, 100, 100}},
        {Dithering::kErrorDiffusion, {200, 100, 100}},
        {Dithering::kOrderedClustered, {200, 100, 100}},
    };
    for (const auto& [method, pauses] : cases) {
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        Choose(path, ViewerChoice{method, Picture::kJpeg});
        Click("downloadButton");
        const QByteArray pcx = PcxCodec::Write(method < 0 ? Dithering::Threshold(scene)
                                                          : Dithering::Apply(scene, method));
        EXPECT_EQ(rig.link.writes.front(), "IS" + QByteArray::number(pcx.size()) + ",'scene'");
        QByteArray data;
        for (std::size_t i = 1; i + 1 < rig.link.writes.size(); ++i) {
            data += rig.link.writes[i];
        }
        EXPECT_EQ(data, pcx) << method;
        EXPECT_EQ(rig.pacer.pauses, pauses) << method;
        EXPECT_EQ(rig.messages.Texts(), QStringList{kCompleted});
        EXPECT_TRUE(QDir(temporary.path()).isEmpty());
    }
}

TEST_F(Downloader, AFailedWriteEndsTheDownloadWithAWarning) {
    rig.ConnectAndClear(QStringLiteral("USB"));
    const QImage scene = ColourScene(400, 300);
    const QString path = files.filePath(QStringLiteral("scene.png"));
    ASSERT_TRUE(scene.save(path, "PNG"));
    Choose(path, ViewerChoice{Dithering::kErrorDiffusion, Picture::kPng});
    // The link goes away once the first block is through.
    QObject::connect(Find<QProgressBar>("progressBar"), &QProgressBar::valueChanged,
                     [this](int value) { rig.link.writeFails = value > 0; });
    Click("downloadButton");
    EXPECT_EQ(rig.messages.Warnings(),
              (QStringList{QStringLiteral("Port error! Check printer's port, please."),
                           QStringLiteral("PCX file download failed.")}));
    EXPECT_TRUE(rig.messages.Informations().isEmpty());
    EXPECT_FALSE(rig.link.Written().contains("IR100,100"));
    EXPECT_EQ(Find<QProgressBar>("progressBar")->value(), 0);
    EXPECT_EQ(rig.link.events.last(), QStringLiteral("close"));
    EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

struct CommandCase {
    const char* button;
    std::array<const char*, 4> fields;  // delete name, recall name, x, y
    QByteArray written;                 // nothing: refused with `warning`
    const char* warning;
};

TEST_F(Downloader, DeleteListAndRecallSendTheirCommands) {
    const CommandCase cases[] = {
        {"deleteButton", {"logo", "", "", ""}, "ID'logo'II", nullptr},
        {"deleteButton", {"", "logo", "1", "2"}, {}, "Please, type image name!"},
        {"deleteAllButton", {"", "", "", ""}, "ID*II", nullptr},
        {"informationButton", {"", "", "", ""}, "II", nullptr},
        {"recallButton", {"", "logo", "120", "45"}, "IR120,45,'logo'\r\nP1\r\n", nullptr},
        // Positions go as typed.
        {"recallButton", {"", "a b", " 7", "x"}, "IR 7,x,'a b'\r\nP1\r\n", nullptr},
        {"recallButton", {"logo", "", "0", "0"}, {}, "Please, type image name!"},
        // A quote would end the name early and send the rest as commands.
        {"recallButton",
         {"", "Bob's", "0", "0"},
         {},
         "An image name cannot contain a quote (') or a line break."},
        {"deleteButton",
         {"it's", "", "0", "0"},
         {},
         "An image name cannot contain a quote (') or a line break."},
    };
    rig.ConnectAndClear(QStringLiteral("LPT1:"));
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + c.fields[0] + "|" + c.fields[1]);
        rig.link.ClearRecord();
        rig.messages.Clear();
        Type("deleteNameEdit", QString::fromUtf8(c.fields[0]));
        Type("recallNameEdit", QString::fromUtf8(c.fields[1]));
        Type("xEdit", QString::fromUtf8(c.fields[2]));
        Type("yEdit", QString::fromUtf8(c.fields[3]));
        Click(c.button);
        EXPECT_EQ(rig.link.writes,
                  c.written.isNull() ? std::vector<QByteArray>{} : std::vector{c.written});
        EXPECT_EQ(rig.messages.Warnings(),
                  c.warning ? QStringList{QLatin1String(c.warning)} : QStringList{});
        EXPECT_TRUE(rig.messages.Informations().isEmpty());
    }
}

TEST_F(Downloader, DownloadRefusals) {
    // Nothing chosen.
    Click("downloadButton");
    EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Please, Select PCX files!")});
    // A file named with a quote: its default name cannot go into the command.
    rig.messages.Clear();
    Choose(WriteFile(QStringLiteral("Bob's.pcx"), QByteArray(10, 'x')));
    Click("downloadButton");
    EXPECT_EQ(
        rig.messages.Warnings(),
        QStringList{QStringLiteral("An image name cannot contain a quote (') or a line break.")});
    EXPECT_TRUE(rig.link.writes.empty());
}

TEST_F(Downloader, CloseReadsTheFormAndCloses) {
    window->show();
    Type("xEdit", QStringLiteral("12"));
    Click("closeButton");
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace

// The PCX File Downloader window with the fake link: choosing, the form, the download and the
// four other commands, and every message.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "forms/Controls.h"
#include "images/Dithering.h"
#include "images/ImageTestFiles.h"
#include "images/ImageViewer.h"
#include "images/PcxCodec.h"
#include "images/PcxDownloader.h"
#include "images/Picture.h"
#include "images/PicturePane.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

using namespace images_test;

const QStringList kFilter = {
    QStringLiteral("Image files(*.PCX,*.BMP,*.JPG,*.JPEG) (*.PCX *.BMP *.JPG *.JPEG)"),
    QStringLiteral("All Files(*.*) (*.*)")};
const QString kCompleted = QStringLiteral("PCX file download is completed.");

// How the person in the Image Viewer leaves it.
struct ViewerPlay {
    // The entry chosen in the list; none: left as it opened.
    std::optional<DitherMethod> choose = std::nullopt;
    bool ok = true;  // OK, else Cancel
};

class Downloader : public testing::Test {
protected:
    Downloader() {
        ToolContext context = rig.Context();
        context.run = [this](QDialog& form) { return PlayViewer(form); };
        window = std::make_unique<PcxDownloader>(context, nullptr, temporary.path());
    }

    // Plays the person in the viewer the window opens.
    QDialog::DialogCode PlayViewer(QDialog& form) {
        EXPECT_NE(qobject_cast<ImageViewer*>(&form), nullptr);
        viewerPaths << Find<QLabel>(form, "pathLabel")->text();
        viewerShown = Find<PicturePane>(form, "picturePane")->Shown();
        if (play.choose) {
            auto* list = Find<QComboBox>(form, "ditherCombo");
            EXPECT_TRUE(list->isEnabled());
            EXPECT_TRUE(Controls::Choose(list, QVariant::fromValue(*play.choose)));
        }
        if (beforeViewerCloses) {
            beforeViewerCloses();
        }
        Click(form, play.ok ? "okButton" : "cancelButton");
        return static_cast<QDialog::DialogCode>(form.result());
    }

    // A label's or a field's text.
    QString Text(const char* name) {
        if (auto* label = window->findChild<QLabel*>(QLatin1String(name))) {
            return label->text();
        }
        return Find<QLineEdit>(*window, name)->text();
    }
    // Typed where Qt Test has the keys (printable ASCII), set otherwise.
    void TypeInto(const char* name, const QString& text) {
        auto* field = Find<QLineEdit>(*window, name);
        const bool typeable = std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() >= 0x20 && c.unicode() < 0x7F;
        });
        if (typeable) {
            Type(field, text);
        } else {
            field->setText(text);
        }
    }
    // The picture file the download sent: what lies between the store header and its trailer.
    QByteArray SentFile() const {
        QByteArray data;
        for (std::size_t i = 1; i + 1 < rig.link.writes.size(); ++i) {
            data += rig.link.writes[i];
        }
        return data;
    }
    QString Write(const QString& name, const QByteArray& bytes) {
        return WriteFile(files.path(), name, bytes);
    }
    // Chooses a file in the file dialog, then plays the viewer. What the viewer paused for is
    // its own affair (see the viewer's tests): the record starts afresh after it.
    void ChooseFile(const QString& path, ViewerPlay viewer = {}) {
        rig.files.answers.push_back(path);
        play = viewer;
        Click(*window, "browseButton");
        rig.pacer.Clear();
    }

    TestRig rig;
    QTemporaryDir files;
    QTemporaryDir temporary;
    QStringList viewerPaths;
    QImage viewerShown;  // in the viewer as it closed
    ViewerPlay play;
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
    EXPECT_EQ(Find<QProgressBar>(*window, "progressBar")->value(), 0);
}

// Picture files of exactly 5000 bytes: the readers stop at the picture's end.
QByteArray Padded(const QByteArray& picture) {
    return picture + QByteArray(5000 - picture.size(), '\0');
}

struct ChoiceCase {
    const char* file;
    QByteArray content;
    ViewerPlay viewer;
    const char* fileName;  // as shown
    const char* size;
    const char* names;  // in the three name fields
    bool selected;
    DitherMethod method = DitherMethod::None;  // as the viewer gave them
    PictureType type = PictureType::Unknown;
};

TEST_F(Downloader, ChoosingAFileFillsTheForm) {
    const QImage scene = ColourScene(40, 30);
    const ChoiceCase cases[] = {
        {.file = "logo.pcx",
         .content = Padded(PcxCodec::Write(Dithering::Threshold(scene))),
         .viewer = {},
         .fileName = "logo.pcx",
         .size = "5000 Bytes",
         .names = "logo",
         .selected = true,
         .method = DitherMethod::None,
         .type = PictureType::Pcx},
        // Exactly four characters go: a four-letter extension leaves its dot.
        {.file = "photo.jpeg",
         .content = Padded(Encoded(scene, "JPG")),
         .viewer = {.choose = DitherMethod::Bayer8},
         .fileName = "photo.jpeg",
         .size = "5000 Bytes",
         .names = "photo.",
         .selected = true,
         .method = DitherMethod::Bayer8,
         .type = PictureType::Jpeg},
        {.file = "abc",
         .content = QByteArray(5000, 'x'),
         .viewer = {},
         .fileName = "abc",
         .size = "5000 Bytes",
         .names = "",
         .selected = true,
         .method = DitherMethod::None,
         .type = PictureType::Unknown},
        // The viewer cancelled: nothing is chosen; names typed before stay.
        {.file = "logo.pcx",
         .content = QByteArray(5000, 'x'),
         .viewer = {.ok = false},
         .fileName = "None",
         .size = "0 Byte",
         .names = "typed",
         .selected = false},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.file);
        for (const char* name : {"storeNameEdit", "deleteNameEdit", "recallNameEdit"}) {
            TypeInto(name, QStringLiteral("typed"));
        }
        const QString path = Write(QLatin1String(c.file), c.content);
        viewerPaths.clear();
        ChooseFile(path, c.viewer);
        EXPECT_EQ(viewerPaths, QStringList{path});
        EXPECT_EQ(window->FileSelected(), c.selected);
        EXPECT_EQ(Text("pathEdit"), c.selected ? path : QString());
        EXPECT_EQ(Text("fileNameLabel"), QLatin1String(c.fileName));
        EXPECT_EQ(Text("fileSizeLabel"), QLatin1String(c.size));
        for (const char* name : {"storeNameEdit", "deleteNameEdit", "recallNameEdit"}) {
            EXPECT_EQ(Text(name), QLatin1String(c.names)) << name;
        }
        if (c.selected) {
            EXPECT_EQ(window->Method(), c.method);
            EXPECT_EQ(window->Type(), c.type);
        }
    }
    ASSERT_EQ(rig.files.requests.size(), 4u);
    EXPECT_EQ(rig.files.requests[0].nameFilters, kFilter);
    EXPECT_FALSE(rig.files.requests[0].save);
    EXPECT_TRUE(rig.messages.entries.empty());
    EXPECT_TRUE(rig.link.writes.empty());
}

TEST_F(Downloader, CancellingTheFileDialogForgetsTheChoice) {
    ChooseFile(Write(QStringLiteral("logo.pcx"), "x"));
    ASSERT_TRUE(window->FileSelected());
    viewerPaths.clear();
    ChooseFile(QString());
    EXPECT_TRUE(viewerPaths.isEmpty());
    EXPECT_FALSE(window->FileSelected());
    EXPECT_EQ(Text("fileNameLabel"), QStringLiteral("None"));
    EXPECT_EQ(Text("pathEdit"), QString());
}

TEST_F(Downloader, AFileThatCannotBeOpenedAfterTheViewerKeepsTheFormAsItWas) {
    ChooseFile(Write(QStringLiteral("first.pcx"), QByteArray(10, 'x')));
    const QString second = Write(QStringLiteral("second.pcx"), QByteArray(20, 'x'));
    beforeViewerCloses = [&] { QFile::remove(second); };
    ChooseFile(second);
    EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Can't open file!")});
    EXPECT_TRUE(window->FileSelected());
    EXPECT_EQ(Text("fileNameLabel"), QStringLiteral("first.pcx"));
    EXPECT_EQ(Text("fileSizeLabel"), QStringLiteral("10 Bytes"));

    // Sending it then finds it gone as well.
    Click(*window, "downloadButton");
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
    ChooseFile(Write(QStringLiteral("logo.pcx"), bytes), {});
    QProgressBar* bar = Find<QProgressBar>(*window, "progressBar");
    QSignalSpy values(bar, &QProgressBar::valueChanged);
    Click(*window, "downloadButton");
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
    TypeInto("storeNameEdit", QStringLiteral("second"));
    Click(*window, "downloadButton");
    EXPECT_EQ(rig.link.writes.front(), QByteArray("IS5000,'second'"));
}

TEST_F(Downloader, OnEthernetTheBarShowsFullDuringTheOneWrite) {
    rig.ConnectAndClear(QStringLiteral("ETHERNET"));
    ChooseFile(Write(QStringLiteral("logo.pcx"), QByteArray(5000, 'x')));
    QSignalSpy values(Find<QProgressBar>(*window, "progressBar"), &QProgressBar::valueChanged);
    Click(*window, "downloadButton");
    ASSERT_EQ(rig.link.writes.size(), 3u);
    EXPECT_EQ(rig.link.writes[1].size(), 5000);
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values[0][0].toInt(), 2);
    EXPECT_EQ(values[1][0].toInt(), 0);
}

TEST_F(Downloader, AnEmptyStoreNameBecomesTheFileName) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    ChooseFile(Write(QStringLiteral("label.bmp"), QByteArray(30, 'x')));
    TypeInto("storeNameEdit", QString());
    Click(*window, "downloadButton");
    EXPECT_EQ(rig.link.writes.front(), QByteArray("IS30,'label'"));
    EXPECT_EQ(rig.link.writes.back(), QByteArray("\r\n\r\nIR100,100,'label'\r\nP1\r\n"));
    EXPECT_EQ(Text("storeNameEdit"), QStringLiteral("label"));
}

// The picture chosen in the viewer goes as the black-and-white PCX the chosen method makes.
TEST_F(Downloader, SendsAColourPictureAsItsOneBitPcx) {
    const QImage scene = ColourScene(90, 33);
    const QString path = files.filePath(QStringLiteral("scene.jpg"));
    ASSERT_TRUE(scene.save(path, "PNG"));  // a PNG under a JPEG name still loads
    const std::pair<DitherMethod, std::vector<int>> cases[] = {
        {DitherMethod::None, {50, 200, 100, 100}},
        {DitherMethod::ErrorDiffusion, {200, 100, 100}},
        {DitherMethod::OrderedClustered, {200, 100, 100}},
    };
    for (const auto& [method, pauses] : cases) {
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        SCOPED_TRACE(static_cast<int>(method));
        ChooseFile(path, {.choose = method});
        EXPECT_EQ(window->Type(), PictureType::Jpeg);
        Click(*window, "downloadButton");
        const QByteArray pcx =
            PcxCodec::Write(method == DitherMethod::None ? Dithering::Threshold(scene)
                                                         : Dithering::Apply(scene, method));
        EXPECT_EQ(rig.link.writes.front(), "IS" + QByteArray::number(pcx.size()) + ",'scene'");
        EXPECT_EQ(SentFile(), pcx);
        EXPECT_EQ(rig.pacer.pauses, pauses);
        EXPECT_EQ(rig.messages.Texts(), QStringList{kCompleted});
        EXPECT_TRUE(QDir(temporary.path()).isEmpty());
    }
}

TEST_F(Downloader, AFailedWriteEndsTheDownloadWithAWarning) {
    rig.ConnectAndClear(QStringLiteral("USB"));
    const QImage scene = ColourScene(400, 300);
    const QString path = files.filePath(QStringLiteral("scene.png"));
    ASSERT_TRUE(scene.save(path, "PNG"));
    ChooseFile(path, {.choose = DitherMethod::ErrorDiffusion});
    // The link goes away once the first block is through.
    QObject::connect(Find<QProgressBar>(*window, "progressBar"), &QProgressBar::valueChanged,
                     [this](int value) { rig.link.writeFails = value > 0; });
    Click(*window, "downloadButton");
    EXPECT_EQ(rig.messages.Warnings(),
              (QStringList{QStringLiteral("Port error! Check printer's port, please."),
                           QStringLiteral("PCX file download failed.")}));
    EXPECT_TRUE(rig.messages.Informations().isEmpty());
    EXPECT_FALSE(rig.link.Written().contains("IR100,100"));
    EXPECT_EQ(Find<QProgressBar>(*window, "progressBar")->value(), 0);
    EXPECT_EQ(rig.link.events.last(), QStringLiteral("close"));
    EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

const char* const kQuoteRefused = "An image name cannot contain a quote (') or a line break.";
const char* const kNoByte =
    "The text holds characters the printer cannot take: %1\n"
    "Please use characters with one-byte codes only.";

// The warning a case names: a whole text, or the characters a refusal for want of a byte names.
QString Warning(const char* text) {
    const QString warning = QString::fromUtf8(text);
    const bool latin1 =
        std::all_of(warning.begin(), warning.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    return latin1 ? warning : QString::fromUtf8(kNoByte).arg(warning);
}

struct CommandCase {
    const char* button;
    const char* deleteName = "";
    const char* recallName = "";
    const char* x = "";
    const char* y = "";
    QByteArray written = {};  // nothing: refused with `warning`
    const char* warning = nullptr;
};

TEST_F(Downloader, DeleteListAndRecallSendTheirCommands) {
    const CommandCase cases[] = {
        {.button = "deleteButton", .deleteName = "logo", .written = "ID'logo'II"},
        {.button = "deleteButton",
         .recallName = "logo",
         .x = "1",
         .y = "2",
         .warning = "Please, type image name!"},
        {.button = "deleteAllButton", .written = "ID*II"},
        {.button = "informationButton", .written = "II"},
        {.button = "recallButton",
         .recallName = "logo",
         .x = "120",
         .y = "45",
         .written = "IR120,45,'logo'\r\nP1\r\n"},
        // Positions go as typed.
        {.button = "recallButton",
         .recallName = "a b",
         .x = " 7",
         .y = "x",
         .written = "IR 7,x,'a b'\r\nP1\r\n"},
        {.button = "recallButton",
         .deleteName = "logo",
         .x = "0",
         .y = "0",
         .warning = "Please, type image name!"},
        // A quote would end the name early and send the rest as commands.
        {.button = "recallButton",
         .recallName = "Bob's",
         .x = "0",
         .y = "0",
         .warning = kQuoteRefused},
        {.button = "deleteButton",
         .deleteName = "it's",
         .x = "0",
         .y = "0",
         .warning = kQuoteRefused},
        // A line break would end the command inside the name.
        {.button = "deleteButton", .deleteName = "two\nlines", .warning = kQuoteRefused},
        {.button = "recallButton",
         .recallName = "two\rlines",
         .x = "0",
         .y = "0",
         .warning = kQuoteRefused},
        // One byte a character, whatever the system's encoding: é is E9.
        {.button = "deleteButton", .deleteName = "Café", .written = "ID'Caf\xE9'II"},
        {.button = "recallButton",
         .recallName = "Café",
         .x = "1",
         .y = "2",
         .written = "IR1,2,'Caf\xE9'\r\nP1\r\n"},
        // A character without a byte is refused, never replaced; positions too.
        {.button = "deleteButton", .deleteName = "ロゴ", .warning = "ロゴ"},
        {.button = "recallButton", .recallName = "ロゴロゴ", .x = "0", .y = "0", .warning = "ロゴ"},
        {.button = "recallButton", .recallName = "logo", .x = "１２", .y = "0", .warning = "１２"},
        {.button = "recallButton", .recallName = "logo", .x = "0", .y = "€", .warning = "€"},
    };
    rig.ConnectAndClear(QStringLiteral("LPT1:"));
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + c.deleteName + "|" + c.recallName);
        rig.link.ClearRecord();
        rig.messages.Clear();
        TypeInto("deleteNameEdit", QString::fromUtf8(c.deleteName));
        TypeInto("recallNameEdit", QString::fromUtf8(c.recallName));
        TypeInto("xEdit", QString::fromUtf8(c.x));
        TypeInto("yEdit", QString::fromUtf8(c.y));
        Click(*window, c.button);
        EXPECT_EQ(rig.link.writes,
                  c.written.isNull() ? std::vector<QByteArray>{} : std::vector{c.written});
        EXPECT_EQ(rig.messages.Warnings(),
                  c.warning ? QStringList{Warning(c.warning)} : QStringList{});
        EXPECT_TRUE(rig.messages.Informations().isEmpty());
    }
}

TEST_F(Downloader, DownloadRefusals) {
    // Nothing chosen.
    Click(*window, "downloadButton");
    EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Please, Select PCX files!")});
    // A file named with a quote: its default name cannot go into the command.
    rig.messages.Clear();
    ChooseFile(Write(QStringLiteral("Bob's.pcx"), QByteArray(10, 'x')));
    Click(*window, "downloadButton");
    EXPECT_EQ(rig.messages.Warnings(), QStringList{QLatin1String(kQuoteRefused)});
    EXPECT_TRUE(rig.link.writes.empty());
}

// The store name goes one byte a character into the header and the trailer, or is refused
// before anything is sent.
TEST_F(Downloader, StoreNamesGoAsOneByteACharacterOrAreRefused) {
    const struct {
        const char* name;
        QByteArray quoted = {};  // as sent; nothing: refused with `warning`
        const char* warning = nullptr;
    } cases[] = {
        {.name = "Café", .quoted = "'Caf\xE9'"},
        {.name = "ÀÿØ", .quoted = "'\xC0\xFF\xD8'"},
        {.name = "two\nlines", .warning = kQuoteRefused},
        {.name = "two\r\nlines", .warning = kQuoteRefused},
        {.name = "ラベル", .warning = "ラベル"},
    };
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    ChooseFile(Write(QStringLiteral("logo.pcx"), QByteArray(10, 'x')));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rig.link.ClearRecord();
        rig.messages.Clear();
        TypeInto("storeNameEdit", QString::fromUtf8(c.name));
        Click(*window, "downloadButton");
        if (c.warning != nullptr) {
            EXPECT_EQ(rig.messages.Warnings(), QStringList{Warning(c.warning)});
            EXPECT_TRUE(rig.link.writes.empty());
            continue;
        }
        EXPECT_EQ(rig.messages.Texts(), QStringList{kCompleted});
        ASSERT_EQ(rig.link.writes.size(), 3u);
        EXPECT_EQ(rig.link.writes.front(), "IS10," + c.quoted);
        EXPECT_EQ(rig.link.writes.back(), "\r\n\r\nIR100,100," + c.quoted + "\r\nP1\r\n");
    }
}

// A two-colour picture in colours other than black and white prints by threshold; the viewer
// shows exactly that, never its two tones.
TEST_F(Downloader, TheViewerShowsTheBitsTheDownloadSends) {
    const QImage logo = FromRows(Rows({"##..##..##..", "..##..##..##", "############"}));
    // A one-bit PCX with another palette in its header: colour 0, then colour 1.
    const auto recoloured = [&](QRgb zero, QRgb one) {
        QByteArray file = PcxCodec::Write(logo);
        const QRgb colours[] = {zero, one};
        for (int i = 0; i < 2; ++i) {
            file[16 + 3 * i] = static_cast<char>(qRed(colours[i]));
            file[17 + 3 * i] = static_cast<char>(qGreen(colours[i]));
            file[18 + 3 * i] = static_cast<char>(qBlue(colours[i]));
        }
        return file;
    };
    QImage palette(logo.size(), QImage::Format_Indexed8);
    palette.setColorTable({qRgb(0, 0, 0), qRgb(100, 100, 100)});
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            palette.setPixel(x, y, logo.pixelIndex(x, y));
        }
    }
    const struct {
        const char* file;
        QByteArray content;
        QStringList rows;  // as shown and sent
    } cases[] = {
        {.file = "black-and-white.pcx", .content = PcxCodec::Write(logo), .rows = ToRows(logo)},
        // Grey 100 is below mid-grey: all of it black.
        {.file = "black-and-grey.pcx",
         .content = recoloured(qRgb(0, 0, 0), qRgb(100, 100, 100)),
         .rows = QStringList(3, QStringLiteral("############"))},
        {.file = "two-greys.pcx",
         .content = recoloured(qRgb(90, 90, 90), qRgb(180, 180, 180)),
         .rows = ToRows(logo)},
        {.file = "black-and-grey.png",
         .content = Encoded(palette, "PNG"),
         .rows = QStringList(3, QStringLiteral("############"))},
    };
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        rig.link.ClearRecord();
        ChooseFile(Write(QLatin1String(c.file), c.content));
        Click(*window, "downloadButton");
        const QImage sent = PcxCodec::Read(SentFile());
        ASSERT_FALSE(sent.isNull());
        EXPECT_EQ(viewerShown.convertToFormat(QImage::Format_RGB32),
                  sent.convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(ToRows(viewerShown), c.rows);
        EXPECT_TRUE(Dithering::IsBlackAndWhite(viewerShown));
    }
}

// A few bytes of PCX header can declare a picture of gigabytes: it is refused before it is
// read, in the viewer and at the download, and nothing is sent.
TEST_F(Downloader, APictureTooLargeToReadIsRefused) {
    QByteArray huge = PcxCodec::Write(FromRows(Rows({"#."})));
    huge[8] = huge[9] = static_cast<char>(0xFF);    // 65536 wide
    huge[10] = huge[11] = static_cast<char>(0xFF);  // 65536 high
    huge[66] = 0x00;
    huge[67] = 0x20;  // 8192 bytes a line
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    ChooseFile(Write(QStringLiteral("huge.pcx"), huge));
    const QString tooLarge = Picture::TooLargeText();
    EXPECT_TRUE(tooLarge.contains(QStringLiteral("too large"))) << tooLarge.toStdString();
    EXPECT_EQ(rig.messages.Warnings(), QStringList{tooLarge});
    EXPECT_TRUE(viewerShown.isNull());
    ASSERT_TRUE(window->FileSelected());

    rig.messages.Clear();
    Click(*window, "downloadButton");
    EXPECT_EQ(rig.messages.Warnings(), QStringList{tooLarge});
    EXPECT_TRUE(rig.link.writes.empty());
}

TEST_F(Downloader, CloseReadsTheFormAndCloses) {
    window->show();
    TypeInto("xEdit", QStringLiteral("12"));
    Click(*window, "closeButton");
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace

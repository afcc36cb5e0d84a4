// The File Transfer window: choosing a file, the refusals, the messages after a transfer, the
// reopening of the port, and a form that takes no input while the bytes go.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/TestRig.h"
#include "support/Widgets.h"
#include "transfer/FileTransferWindow.h"

namespace {

class TransferWindow : public testing::Test {
protected:
    QString Shown(const char* name) const {
        if (auto* field = window.findChild<QLineEdit*>(QLatin1String(name))) {
            return field->text();
        }
        return Find<QLabel>(window, name)->text();
    }
    QStringList Form() const {
        return {Shown("pathEdit"), Shown("fileNameLabel"), Shown("fileSizeLabel")};
    }
    QString Choose(const QString& answer) {
        rig.files.answers.push_back(answer);
        Click(window, "browseButton");
        return answer;
    }

    TestRig rig;
    QTemporaryDir files;
    FileTransferWindow window{rig.Context()};
};

TEST_F(TransferWindow, ChoosingAFileShowsItsNameAndSizeAndCancellingForgetsIt) {
    EXPECT_EQ(Form(), (QStringList{QString(), QStringLiteral("None"), QStringLiteral("0 Byte")}));
    const QString path =
        Choose(WriteFile(files.path(), QStringLiteral("labels.txt"), QByteArray(10000, 'x')));
    EXPECT_TRUE(window.FileSelected());
    EXPECT_EQ(Form(),
              (QStringList{path, QStringLiteral("labels.txt"), QStringLiteral("10000 Bytes")}));
    ASSERT_EQ(rig.files.requests.size(), 1u);
    EXPECT_EQ(
        rig.files.requests[0].nameFilters,
        Texts({"All files(*.*) (*)", "Text files(*.txt) (*.txt)", "Binary files(*.bin) (*.bin)"}));

    // A file that cannot be opened is refused and the earlier choice stays; so is what is no
    // file at all, at once (a named pipe nobody writes to would hold an ordinary open).
    const QString pipe = files.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& refused :
         {files.filePath(QStringLiteral("missing.bin")), pipe, files.path()}) {
        rig.messages.Clear();
        Choose(refused);
        EXPECT_EQ(rig.messages.Warnings(), QStringList{QStringLiteral("Can't open file!")})
            << refused.toStdString();
        EXPECT_TRUE(window.FileSelected());
        EXPECT_EQ(window.FilePath(), path);
    }

    Choose(QString());
    EXPECT_FALSE(window.FileSelected());
    EXPECT_EQ(Form(), (QStringList{QString(), QStringLiteral("None"), QStringLiteral("0 Byte")}));
}

struct RefusalCase {
    const char* name;
    bool choose = false;        // a file is chosen first
    bool removeChosen = false;  // and deleted before the download
    const char* warning;
};

TEST_F(TransferWindow, RefusesADownloadWithoutAReadableFile) {
    const RefusalCase cases[] = {
        {.name = "nothing chosen", .warning = "Please,Select a binary file!"},
        {.name = "deleted after the choice",
         .choose = true,
         .removeChosen = true,
         .warning = "Can't open file!"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        if (c.choose) {
            const QString path = Choose(WriteFile(files.path(), QStringLiteral("job.bin"), "abc"));
            if (c.removeChosen) {
                QFile::remove(path);
            }
        }
        Click(window, "downloadButton");
        EXPECT_EQ(rig.messages.Texts(), QStringList{QLatin1String(c.warning)});
        EXPECT_TRUE(rig.link.writes.empty());
        // Nothing was sent, so the port is left alone.
        EXPECT_TRUE(rig.link.events.isEmpty());
        EXPECT_TRUE(Find<QPushButton>(window, "downloadButton")->isEnabled());
    }
}

struct OutcomeCase {
    const char* port;
    bool linkFails = false;
    QStringList messages;
    bool reopened = false;
};

// The message comes after the bytes; a serial or parallel port is opened afresh after it, also
// when the transfer failed. The same file goes again without a new choice.
TEST_F(TransferWindow, ReportsTheOutcomeAndReopensSerialAndParallelPorts) {
    const QString done = QStringLiteral("Binary file download is completed.");
    const QString portError = QStringLiteral("Port error! Check printer's port, please.");
    const QString failed = QStringLiteral("Binary file download failed.");
    const OutcomeCase cases[] = {
        {.port = "COM1:", .messages = {done}, .reopened = true},
        {.port = "LPT1:", .messages = {done}, .reopened = true},
        {.port = "USB", .messages = {done}},
        {.port = "ETHERNET", .messages = {done}},
        {.port = "COM1:", .linkFails = true, .messages = {portError, failed}, .reopened = true},
        {.port = "USB", .linkFails = true, .messages = {portError, failed}},
    };
    const QByteArray bytes(10000, '\x5a');
    Choose(WriteFile(files.path(), QStringLiteral("job.bin"), bytes));
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(std::string(c.port) + (c.linkFails ? " failing" : ""));
        rig.ConnectAndClear(QLatin1String(c.port));
        rig.link.writeFails = c.linkFails;
        Click(window, "downloadButton");
        rig.link.writeFails = false;
        EXPECT_EQ(rig.messages.Texts(), c.messages);
        if (!c.linkFails) {
            EXPECT_EQ(rig.link.Written(), bytes);
        }
        const QStringList events = rig.link.events;
        const qsizetype reopen =
            events.lastIndexOf(QRegularExpression(QStringLiteral("open (Serial|Parallel) .*")));
        EXPECT_EQ(reopen >= 0, c.reopened);
        if (c.reopened) {
            // After the transfer's own time-outs were set back.
            const qsizetype restored = events.indexOf(QStringLiteral("timeouts"));
            EXPECT_TRUE(restored >= 0 && restored < reopen);
            EXPECT_TRUE(rig.port.IsOpen());
        }
        EXPECT_EQ(Find<QProgressBar>(window, "progressBar")->value(), 0);
    }
}

// The bar moves as blocks go while the buttons take no clicks; afterwards they work again.
TEST_F(TransferWindow, TakesNoInputWhileTheBytesGo) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    Choose(WriteFile(files.path(), QStringLiteral("job.bin"), QByteArray(10000, 'x')));
    auto* bar = Find<QProgressBar>(window, "progressBar");
    QList<int> values;
    QStringList enabledDuring;
    QObject::connect(bar, &QProgressBar::valueChanged, &window, [&](int value) {
        values << value;
        for (const char* name : {"browseButton", "downloadButton", "closeButton"}) {
            if (Find<QPushButton>(window, name)->isEnabled()) {
                enabledDuring << QLatin1String(name);
            }
        }
        EXPECT_TRUE(window.Busy());
    });
    window.show();
    Click(window, "downloadButton");
    EXPECT_EQ(values, (QList<int>{1, 2, 3, 4, 0}));
    EXPECT_EQ(enabledDuring, QStringList());
    EXPECT_FALSE(window.Busy());
    EXPECT_TRUE(Find<QPushButton>(window, "downloadButton")->isEnabled());
    EXPECT_EQ(rig.pacer.keepPaintedCalls, 5);
}

}  // namespace

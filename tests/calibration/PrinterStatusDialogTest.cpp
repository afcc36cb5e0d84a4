// The status dialog against the scripted link: what each test button writes, how long it waits,
// what a reply, a silent printer or a late reply ticks, and the refusal of "^ee" off serial.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QTabWidget>
#include <algorithm>
#include <memory>

#include "calibration/PrinterStatusDialog.h"
#include "calibration/StatusPage.h"
#include "support/TestRig.h"
#include "support/Widgets.h"

namespace {

using Box = StatusDecoding::Box;
using Boxes = StatusDecoding::Boxes;
using Page = PrinterStatusDialog::Page;

const QString kReadFail = QStringLiteral("Status Data Read Fail!");

const char* ButtonOf(Page page) {
    switch (page) {
        case Page::ErrorsAndJob:
            return "cpTestButton";
        case Page::Errors:
            return "cuTestButton";
        case Page::ErrorCode:
            return "eeTestButton";
        default:
            return "cpsTestButton";
    }
}

// The dialog shown on one page, over a link opened as `port`.
struct Dialog {
    explicit Dialog(const char* port = "COM1:") {
        rig.ConnectAndClear(QLatin1String(port));
        window = std::make_unique<PrinterStatusDialog>(rig.Context());
        window->show();
    }
    StatusPage* Show(Page page) {
        window->Tabs()->setCurrentIndex(page);
        return window->PageAt(page);
    }
    Boxes Press(Page page) {
        StatusPage* shown = Show(page);
        Click(*shown, ButtonOf(page));
        return shown->Ticked();
    }

    TestRig rig;
    std::unique_ptr<PrinterStatusDialog> window;
};

TEST(PrinterStatusDialog, OpensOnTheFirstOfFourPagesAndSendsNothing) {
    Dialog d;
    EXPECT_EQ(d.window->windowTitle(), QStringLiteral("Check Printer Status"));
    QTabWidget* tabs = d.window->Tabs();
    QStringList labels;
    QStringList pages;
    for (int i = 0; i < tabs->count(); ++i) {
        labels << tabs->tabText(i);
        pages << tabs->widget(i)->objectName();
    }
    EXPECT_EQ(labels, Texts({"^cp Command", "^cu Command", "^ee Command", "CPS Command"}));
    EXPECT_EQ(pages, Texts({"StatusCpPage", "StatusCuPage", "StatusEePage", "StatusCpsPage"}));
    EXPECT_EQ(tabs->currentIndex(), 0);
    for (int i = 0; i < PrinterStatusDialog::kPages; ++i) {
        EXPECT_EQ(d.window->PageAt(static_cast<Page>(i))->Ticked(), Boxes()) << i;
    }
    Click(*d.window, "closeButton");
    EXPECT_FALSE(d.window->isVisible());
    EXPECT_TRUE(d.rig.link.writes.empty());
    EXPECT_TRUE(d.rig.messages.entries.empty());
}

TEST(PrinterStatusDialog, EachButtonWritesItsRequestWaitsAndShowsTheReply) {
    struct Case {
        const char* port;
        Page page;
        QByteArray reply;
        QByteArray written;
        std::vector<int> pauses;  // the page's own and the link's, in order
        Boxes ticked;
    };
    const Case cases[] = {
        {.port = "COM1:",
         .page = Page::ErrorsAndJob,
         .reply = QByteArray("\x40\0", 2),
         .written = "^cp\r",
         .pauses = {50, 10},
         .ticked = {Box::CoverOpen}},
        {.port = "USB",
         .page = Page::ErrorsAndJob,
         .reply = QByteArray(2, '\0'),
         .written = "^cp\r",
         .pauses = {50, 10},
         .ticked = {Box::StatusOk}},
        {.port = "LPT1:",
         .page = Page::Errors,
         .reply = "\x84",
         .written = "^cu\r",
         .pauses = {50, 10},
         .ticked = {Box::PaperEmpty, Box::RibbonEndError}},
        {.port = "COM1:",
         .page = Page::ErrorCode,
         .reply = "06\r\n",
         .written = "^ee\r",
         .pauses = {30, 10},
         .ticked = {Box::SerialError}},
        // On Ethernet the link pauses after sending, and not after reading.
        {.port = "ETHERNET",
         .page = Page::MechanismErrors,
         .reply = "\x03",
         .written = "CPS\r",
         .pauses = {50, 50},
         .ticked = {Box::CoverOpen, Box::PaperEmpty}},
    };
    for (const Case& c : cases) {
        Dialog d(c.port);
        d.rig.link.QueueReply(c.reply);
        const Boxes ticked = d.Press(c.page);
        const std::string what = c.port + std::string(" ") + ButtonOf(c.page);
        EXPECT_EQ(ticked, c.ticked) << what;
        EXPECT_EQ(d.rig.link.writes, std::vector<QByteArray>{c.written}) << what;
        EXPECT_EQ(d.rig.pacer.pauses, c.pauses) << what;
        EXPECT_TRUE(d.rig.messages.entries.empty()) << what;
    }
}

// A silent printer: the warning, one more read, and the boxes of a buffer still all zero.
TEST(PrinterStatusDialog, ASilentPrinterWarnsThenShowsTheZeroBuffer) {
    struct Case {
        const char* port;
        Page page;
        std::vector<int> readSizes;
        Boxes ticked;
    };
    const Case cases[] = {
        // Serial, parallel and USB ask three times a read before giving up.
        {.port = "COM1:",
         .page = Page::ErrorsAndJob,
         .readSizes = {2, 2, 2, 2, 2, 2},
         .ticked = {Box::StatusOk}},
        {.port = "USB",
         .page = Page::Errors,
         .readSizes = {1, 1, 1, 1, 1, 1},
         .ticked = {Box::StatusOk}},
        {.port = "LPT1:",
         .page = Page::MechanismErrors,
         .readSizes = {1, 1, 1, 1, 1, 1},
         .ticked = {Box::StatusOk}},
        {.port = "ETHERNET",
         .page = Page::MechanismErrors,
         .readSizes = {32, 32},
         .ticked = {Box::StatusOk}},
        // A zero pair is no error code at all.
        {.port = "COM1:", .page = Page::ErrorCode, .readSizes = {4, 4, 4, 4, 4, 4}, .ticked = {}},
    };
    for (const Case& c : cases) {
        Dialog d(c.port);
        // What an earlier press showed must not survive the failure.
        d.Show(c.page)->Show({Box::CoverOpen, Box::PrinterBusy, Box::NotDefinedBit7});
        const Boxes ticked = d.Press(c.page);
        const std::string what = c.port + std::string(" ") + ButtonOf(c.page);
        EXPECT_EQ(ticked, c.ticked) << what;
        EXPECT_EQ(d.rig.messages.Warnings(), QStringList{kReadFail}) << what;
        EXPECT_EQ(d.rig.link.readSizes, c.readSizes) << what;
    }
}

TEST(PrinterStatusDialog, AReplyOfTheWrongShapeWarnsAndShowsWhatTheExtraReadCaught) {
    struct Case {
        Page page;
        std::vector<QByteArray> replies;  // one per read request
        Boxes ticked;
    };
    const Case cases[] = {
        // Half a reply, then the rest of a later one: the extra read lands it in the buffer.
        {.page = Page::ErrorsAndJob, .replies = {"\x40", "\x80\x01"}, .ticked = {Box::PaperEmpty}},
        {.page = Page::ErrorsAndJob,
         .replies = {"\x40", QByteArray("\0\x20", 2)},
         .ticked = {Box::LabelPaused}},
        // Line end the wrong way round: the pair is still read.
        {.page = Page::ErrorCode, .replies = {"50\n\r"}, .ticked = {Box::PrinterBusy}},
        {.page = Page::ErrorCode, .replies = {"50\r", "12\r\n"}, .ticked = {Box::PauseMode}},
    };
    for (const Case& c : cases) {
        Dialog d;
        for (const QByteArray& reply : c.replies) {
            d.rig.link.QueueReply(reply);
        }
        const std::string what = testing::PrintToString(c.replies);
        EXPECT_EQ(d.Press(c.page), c.ticked) << what;
        EXPECT_EQ(d.rig.messages.Warnings(), QStringList{kReadFail}) << what;
    }
}

TEST(PrinterStatusDialog, ErrorCodeIsRefusedOffSerialBeforeAnythingIsSent) {
    for (const char* port : {"ETHERNET", "LPT1:", "USB"}) {
        Dialog d(port);
        const Boxes before = {Box::NoError};
        d.Show(Page::ErrorCode)->Show(before);
        EXPECT_EQ(d.Press(Page::ErrorCode), before) << port;
        EXPECT_TRUE(d.rig.link.writes.empty()) << port;
        EXPECT_TRUE(d.rig.link.readSizes.empty()) << port;
        EXPECT_EQ(d.rig.messages.entries,
                  (std::vector<RecordingMessages::Entry>{
                      {RecordingMessages::Kind::Information,
                       QStringLiteral("This Command is applied in Serial Interface only!")}}))
            << port;
    }
}

TEST(PrinterStatusDialog, ANewReplyClearsWhatTheLastOneTicked) {
    Dialog d;
    d.rig.link.QueueReply("\xFC");
    EXPECT_EQ(d.Press(Page::Errors).size(), 6u);
    d.rig.link.QueueReply(QByteArray(1, '\0'));
    EXPECT_EQ(d.Press(Page::Errors), Boxes{Box::StatusOk});
    d.rig.link.QueueReply("08\r\n");
    EXPECT_EQ(d.Press(Page::ErrorCode), Boxes{Box::DuplicateName});
    d.rig.link.QueueReply("55\r\n");
    EXPECT_EQ(d.Press(Page::ErrorCode), Boxes());
    // Each page keeps its own boxes.
    EXPECT_EQ(d.window->PageAt(Page::Errors)->Ticked(), Boxes{Box::StatusOk});
}

// The mechanism bits without a name of their own fill the left column after the four named ones
// and then start the right column.
TEST(PrinterStatusDialog, MechanismBitsSitInTheirColumns) {
    struct Case {
        QByteArray reply;
        const char* check;
        const char* text;
        int row;
        int column;
    };
    const Case cases[] = {
        {.reply = "\x08",
         .check = "cpsHeadOverheatCheck",
         .text = "TPH overheat",
         .row = 3,
         .column = 0},
        {.reply = "\x10",
         .check = "cpsNotDefinedBit4Check",
         .text = "Not defined",
         .row = 4,
         .column = 0},
        {.reply = "\x20",
         .check = "cpsNotDefinedBit5Check",
         .text = "Not defined",
         .row = 5,
         .column = 0},
        {.reply = "\x40",
         .check = "cpsNotDefinedBit6Check",
         .text = "Not defined",
         .row = 0,
         .column = 1},
        {.reply = "\x80",
         .check = "cpsNotDefinedBit7Check",
         .text = "Not defined",
         .row = 1,
         .column = 1},
    };
    Dialog d;
    StatusPage* page = d.window->PageAt(Page::MechanismErrors);
    auto* grid = qobject_cast<QGridLayout*>(page->findChild<QGroupBox*>()->layout());
    ASSERT_NE(grid, nullptr);
    const QList<QCheckBox*> checks = page->findChildren<QCheckBox*>();
    for (const Case& c : cases) {
        d.rig.link.QueueReply(c.reply);
        d.Press(Page::MechanismErrors);
        auto* check = Find<QCheckBox>(*page, c.check);
        ASSERT_NE(check, nullptr);
        EXPECT_TRUE(check->isChecked()) << c.check;
        EXPECT_EQ(std::count_if(checks.begin(), checks.end(),
                                [](const QCheckBox* box) { return box->isChecked(); }),
                  1)
            << c.check;
        EXPECT_EQ(check->text(), QLatin1String(c.text)) << c.check;
        int row = -1;
        int column = -1;
        int rowSpan = 0;
        int columnSpan = 0;
        grid->getItemPosition(grid->indexOf(check), &row, &column, &rowSpan, &columnSpan);
        EXPECT_EQ(row, c.row) << c.check;
        EXPECT_EQ(column, c.column) << c.check;
    }
}

}  // namespace

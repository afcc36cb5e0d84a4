// Every link the tests can reach, against every way the printer can fail, for the exchanges a
// technician relies on most: the model query at Connect, a settings Get and Set, a picture
// download and the tester's Multi Send. Each must end within the time its link's limits allow,
// report a failure it could see as a failure (never as a success), leave no temporary file, and
// work again once the printer is back.
//
// Each case prints one row of the fault table ("fault-matrix | ..."); scripts/fault-table.sh
// gathers the rows of the last CTest run.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <chrono>
#include <functional>
#include <iostream>
#include <thread>
#include <tuple>

#include "faults/FaultRig.h"
#include "forms/IpAddressField.h"
#include "images/PcxDownload.h"
#include "images/PcxDownloader.h"
#include "link/SocketStream.h"
#include "main/MainWindow.h"
#include "settings/PrintAndPagePage.h"
#include "support/FakeSpooler.h"
#include "support/Widgets.h"
#include "tester/StepField.h"
#include "tester/TesterWindow.h"

namespace {

enum class Fault { Silent, Late, Garbage, Drop, Killed };
enum class Operation { ModelQuery, SettingsGet, SettingsSet, PcxDownload, MultiSend };

constexpr Link kLinks[] = {Link::Tcp, Link::Serial, Link::Parallel, Link::Usb};
constexpr Fault kFaults[] = {Fault::Silent, Fault::Late, Fault::Garbage, Fault::Drop,
                             Fault::Killed};
constexpr Operation kOperations[] = {Operation::ModelQuery, Operation::SettingsGet,
                                     Operation::SettingsSet, Operation::PcxDownload,
                                     Operation::MultiSend};

const char* Name(Link link) {
    constexpr const char* names[] = {"TCP", "serial (pty)", "parallel (pty)", "USB (umockdev)"};
    return names[static_cast<int>(link)];
}
const char* Name(Fault fault) {
    constexpr const char* names[] = {"silent", "late beyond the read bound", "garbage",
                                     "drop after N bytes", "killed mid-transfer"};
    return names[static_cast<int>(fault)];
}
const char* Name(Operation operation) {
    constexpr const char* names[] = {"model query at Connect", "settings Get", "settings Set",
                                     "PCX download", "tester Multi Send"};
    return names[static_cast<int>(operation)];
}

// The longest one write and one read may take on a link, from the link's own limits: on TCP the
// connect, send-stall and receive time-outs; on a device the serial time-outs per request with
// PrinterPort's retries (writes) and repeated requests (reads).
double WriteSeconds(Link link, qsizetype bytes) {
    if (link == Link::Tcp) {
        return (SocketStream::kConnectTimeoutMs + SocketStream::kSendStallTimeoutMs) / 1000.0;
    }
    const SerialTimeouts t;
    return (PrinterPort::kWriteAttempts * (t.writeTotalConstant + t.writeTotalPerByte * bytes) +
            (PrinterPort::kWriteAttempts - 1) * PrinterPort::kWriteRetryPauseMs) /
           1000.0;
}
double ReadSeconds(Link link, int length) {
    if (link == Link::Tcp) {
        return SocketStream::kReceiveTimeoutMs / 1000.0;
    }
    const SerialTimeouts t;
    return PrinterPort::kReadRequests *
           (t.readTotalConstant + t.readTotalPerByte * length + PrinterPort::kReadPauseMs) / 1000.0;
}

// Painting, the pacer's own pauses and a slow (sanitized) build.
constexpr double kSlackSeconds = 3.0;
constexpr int kReplyLength = 32;  // the longest read any of these exchanges asks for

// How many bytes a dropping or dying printer takes: within the operation's first command, or
// partway through the data of the long transfers.
long FaultAfterBytes(Operation operation) {
    switch (operation) {
        case Operation::PcxDownload:
            return 3000;
        case Operation::MultiSend:
            return 80;
        default:
            return 3;
    }
}

const QByteArray kScript = "SOT\r\nSD20\r\nT20,20,3,1,1,0,0,N,N,'FAULT MATRIX'\r\nP1\r\n";

// What one attempt showed: what the window reported, whether the printer really has what was
// asked (or the window the printer's true answer), and how long it took.
struct Attempt {
    bool reportedSuccess = false;
    bool effect = false;
    QStringList said;
    double seconds = 0;
};

// One operation on one window, repeatable: the first attempt meets the fault, the second the
// printer started again.
class Scene {
public:
    Scene(FaultRig& rig, Operation operation) : rig_(rig), operation_(operation) {
        const QString picture = rig.scratch.filePath(QStringLiteral("Noise.png"));
        QImage noise(400, 300, QImage::Format_Grayscale8);
        QRandomGenerator random(7);
        for (int y = 0; y < noise.height(); ++y) {
            for (int x = 0; x < noise.width(); ++x) {
                noise.scanLine(y)[x] = static_cast<uchar>(random.bounded(256));
            }
        }
        EXPECT_TRUE(noise.save(picture));
        picture_ = picture;
        temporaryRoot_ = rig.scratch.filePath(QStringLiteral("temporary"));
        EXPECT_TRUE(QDir().mkpath(temporaryRoot_));
    }

    // Sets up the window (connected, except for the model query that connects).
    void Open() {
        ToolContext context = rig_.Context();
        switch (operation_) {
            case Operation::ModelQuery: {
                auto main = std::make_unique<MainWindow>(rig_.Context(-1), spooler_);
                ChooseLink(*main);
                window_ = std::move(main);
                return;
            }
            case Operation::SettingsGet:
            case Operation::SettingsSet:
                window_ = std::make_unique<PrintAndPagePage>(context);
                break;
            case Operation::PcxDownload:
                context.run = [](QDialog& viewer) {
                    Click(viewer, "okButton");
                    return static_cast<QDialog::DialogCode>(viewer.result());
                };
                window_ = std::make_unique<PcxDownloader>(context, nullptr, temporaryRoot_);
                break;
            case Operation::MultiSend:
                auto tester = std::make_unique<TesterWindow>(context);
                tester->SetEditorBytes(kScript);
                Type(Find<StepField>(*tester, "countField"), QStringLiteral("3"));
                window_ = std::move(tester);
                break;
        }
        window_->show();
        ASSERT_TRUE(rig_.Connect());
        if (operation_ == Operation::SettingsSet) {
            Click(*window_, "paperWidthGetButton");  // Set waits for the row to be read
            rig_.messages.Clear();
        }
    }

    Attempt Run(int attempt) {
        rig_.messages.Clear();
        const sim::PrinterState before = rig_.printer.Snapshot();
        QElapsedTimer timer;
        timer.start();
        Attempt result;
        switch (operation_) {
            case Operation::ModelQuery: {
                auto& main = static_cast<MainWindow&>(*window_);
                if (main.IsConnected()) {
                    Click(main, "disconnectButton");
                }
                Click(main, "connectButton");
                result.seconds = timer.elapsed() / 1000.0;
                result.reportedSuccess = main.ModelIndex() == 3;
                result.effect = result.reportedSuccess;
                break;
            }
            case Operation::SettingsGet: {
                auto* edit = Find<QLineEdit>(*window_, "paperWidthEdit");
                Type(edit, QStringLiteral("1"));
                Click(*window_, "paperWidthGetButton");
                result.seconds = timer.elapsed() / 1000.0;
                result.reportedSuccess = rig_.messages.Informations().contains(
                    QStringLiteral("Getting paper width is successful"));
                result.effect = edit->text() == QStringLiteral("832");
                break;
            }
            case Operation::SettingsSet: {
                const int value = attempt == 0 ? 600 : 640;
                // Set waits for a Get to have read the row; a failed Get leaves it so.
                if (!Find<QPushButton>(*window_, "paperWidthSetButton")->isEnabled()) {
                    Click(*window_, "paperWidthGetButton");
                    rig_.messages.Clear();
                    timer.restart();
                }
                Type(Find<QLineEdit>(*window_, "paperWidthEdit"), QString::number(value));
                Click(*window_, "paperWidthSetButton");
                result.seconds = timer.elapsed() / 1000.0;
                result.reportedSuccess = rig_.messages.Informations().contains(
                    QStringLiteral("Setting paper width is successful"));
                result.effect = Within([&](const sim::PrinterState& state) {
                    return state.settings.userValues[0] == value;
                });
                break;
            }
            case Operation::PcxDownload: {
                rig_.files.answers.push_back(picture_);
                Click(*window_, "browseButton");
                Click(*window_, "downloadButton");
                result.seconds = timer.elapsed() / 1000.0;
                result.reportedSuccess = rig_.messages.Informations().contains(
                    QStringLiteral("PCX file download is completed."));
                const std::size_t printed = before.labels.printed.size();
                result.effect = Within([&](const sim::PrinterState& state) {
                    return state.labels.printed.size() > printed &&
                           state.images.stored.count("Noise") == 1;
                });
                break;
            }
            case Operation::MultiSend: {
                Click(*window_, "multiSendButton");
                result.seconds = timer.elapsed() / 1000.0;
                result.reportedSuccess =
                    Find<QLabel>(*window_, "sentCounter")->text() == QStringLiteral("3") &&
                    rig_.messages.Warnings().isEmpty();
                const int printed = before.labels.printedCount;
                result.effect = Within([&](const sim::PrinterState& state) {
                    return state.labels.printedCount == printed + 3;
                });
                break;
            }
        }
        result.said = rig_.messages.Texts();
        return result;
    }

    // What each operation may take at most on its link.
    double BoundSeconds() const {
        const Link link = rig_.link;
        switch (operation_) {
            case Operation::ModelQuery:
                return WriteSeconds(link, 6) + ReadSeconds(link, kReplyLength) + kSlackSeconds;
            case Operation::SettingsGet:
                return WriteSeconds(link, 16) + ReadSeconds(link, kReplyLength) + kSlackSeconds;
            case Operation::SettingsSet:
                return WriteSeconds(link, 16) + kSlackSeconds;
            case Operation::PcxDownload:
                // The picture's blocks that went through (as long as a whole healthy download),
                // then one that could not.
                return healthySeconds_ + WriteSeconds(link, PcxDownload::kBlockSize) +
                       kSlackSeconds;
            case Operation::MultiSend:
                return WriteSeconds(link, kScript.size()) * 3 + kSlackSeconds;
        }
        return 0;
    }
    void SetHealthySeconds(double seconds) { healthySeconds_ = seconds; }

    // Files and folders left under the downloads' temporary folder.
    int TemporaryLeft() const {
        return static_cast<int>(
            QDir(temporaryRoot_)
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                .size());
    }

private:
    // Whether the printer reaches `done` soon: it takes bytes on a thread of its own.
    bool Within(const std::function<bool(const sim::PrinterState&)>& done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!done(rig_.printer.Snapshot())) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    void ChooseLink(MainWindow& window) {
        constexpr const char* radios[] = {"ethernetRadio", "serialRadio", "parallelRadio",
                                          "usbRadio"};
        Find<QRadioButton>(window, radios[static_cast<int>(rig_.link)])->click();
        if (rig_.link == Link::Tcp) {
            Find<IpAddressField>(window, "ipField")->SetAddress({127, 0, 0, 1});
            Find<QLineEdit>(window, "portEdit")->setText(QString::number(rig_.TcpPort()));
        }
    }

    FaultRig& rig_;
    const Operation operation_;
    FakeSpooler spooler_;
    std::unique_ptr<QWidget> window_;
    QString picture_;
    QString temporaryRoot_;
    double healthySeconds_ = 0;
};

// `received`: the bytes the printer took before (a Get that enabled Set), on the same connection.
sim::Misbehaviour MisbehaviourFor(Fault fault, Link link, Operation operation, long received) {
    switch (fault) {
        case Fault::Silent:
            return {.silent = true};
        case Fault::Late:
            // A second past the longest the reading side waits.
            return {.lateMs = static_cast<int>(ReadSeconds(link, kReplyLength) * 1000) + 1000};
        case Fault::Garbage:
            return {.garbage = true};
        case Fault::Drop:
            return {.dropAfterBytes = received + FaultAfterBytes(operation)};
        case Fault::Killed:
            return {.dieAfterBytes = received + FaultAfterBytes(operation)};
    }
    return {};
}

// Whether the link itself can see that the printer did not take an exchange. A read can: its
// reply is missing or wrong. A write can only when the link refuses bytes: on TCP a connection
// the printer reset fails the writes after it, so a transfer of several writes sees it. A device
// line outlives the printer and takes what its buffer holds, and a single write goes whole into
// the system's buffers before the printer's end is known: no protocol reply tells.
bool LinkCanTell(Link link, Fault fault, Operation operation) {
    if (operation == Operation::ModelQuery || operation == Operation::SettingsGet) {
        return true;
    }
    if (fault != Fault::Drop && fault != Fault::Killed) {
        return true;  // the printer still takes every byte
    }
    return link == Link::Tcp && operation != Operation::SettingsSet;
}

using Case = std::tuple<Link, Fault, Operation>;

class FaultMatrix : public testing::TestWithParam<Case> {};

TEST_P(FaultMatrix, EndsInTimeLeavesNothingAndWorksOnceThePrinterIsBack) {
    const auto [link, fault, operation] = GetParam();
    FaultRig rig(link);
    if (!rig.Ready()) {
        GTEST_SKIP() << rig.Problem().toStdString();
    }
    Scene scene(rig, operation);
    scene.Open();
    if (testing::Test::HasFatalFailure()) {
        return;
    }
    const sim::Misbehaviour misbehaviour =
        MisbehaviourFor(fault, link, operation, long(rig.printer.Received().size()));
    rig.Misbehave(misbehaviour);
    const Attempt faulty = scene.Run(0);
    const int left = scene.TemporaryLeft();

    if (fault == Fault::Late) {
        // The late reply arrives while nothing reads; the next exchange must not take it.
        rig.Misbehave({});
        std::this_thread::sleep_for(std::chrono::milliseconds(misbehaviour.lateMs + 300) -
                                    std::chrono::milliseconds(qint64(faulty.seconds * 1000)));
    } else {
        ASSERT_TRUE(rig.StartAgain()) << rig.Problem().toStdString();
    }
    const Attempt again = scene.Run(1);
    scene.SetHealthySeconds(again.seconds);

    QString outcome = faulty.said.isEmpty() ? QStringLiteral("no message")
                                            : faulty.said.join(QStringLiteral(" / "));
    if (operation == Operation::ModelQuery && !faulty.effect) {
        outcome += QStringLiteral(" (model not identified)");
    }
    if (faulty.reportedSuccess) {
        outcome = faulty.effect ? QStringLiteral("success (the printer has it all)")
                                : QStringLiteral("success reported, printer lacks it: unseen");
    }
    std::cout << "fault-matrix | " << static_cast<int>(link) << static_cast<int>(fault)
              << static_cast<int>(operation) << " | " << Name(link) << " | " << Name(fault) << " | "
              << Name(operation) << " | " << outcome.toStdString() << " | "
              << QString::number(faulty.seconds, 'f', 1).toStdString() << " s of "
              << QString::number(scene.BoundSeconds(), 'f', 1).toStdString() << " s | " << left
              << " | " << (again.reportedSuccess && again.effect ? "yes" : "NO") << " |"
              << std::endl;

    EXPECT_LE(faulty.seconds, scene.BoundSeconds());
    EXPECT_EQ(left, 0) << "temporary files left";
    if (LinkCanTell(link, fault, operation)) {
        EXPECT_TRUE(!faulty.reportedSuccess || faulty.effect)
            << "a failure reported as success: "
            << faulty.said.join(QLatin1Char('|')).toStdString();
    }
    EXPECT_TRUE(again.reportedSuccess && again.effect)
        << "no recovery: " << again.reportedSuccess << again.effect << " "
        << again.said.join(QLatin1Char('|')).toStdString() << "; the printer took "
        << rig.printer.Received().size() << " bytes";
    EXPECT_EQ(scene.TemporaryLeft(), 0);
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    constexpr const char* links[] = {"Tcp", "Serial", "Parallel", "Usb"};
    constexpr const char* faults[] = {"Silent", "Late", "Garbage", "Drop", "Killed"};
    constexpr const char* operations[] = {"ModelQuery", "SettingsGet", "SettingsSet", "PcxDownload",
                                          "MultiSend"};
    const auto [link, fault, operation] = info.param;
    return std::string(links[static_cast<int>(link)]) + faults[static_cast<int>(fault)] +
           operations[static_cast<int>(operation)];
}

INSTANTIATE_TEST_SUITE_P(Links, FaultMatrix,
                         testing::Combine(testing::ValuesIn(kLinks), testing::ValuesIn(kFaults),
                                          testing::ValuesIn(kOperations)),
                         CaseName);

}  // namespace

#include "main/MainWindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/BoxMessages.h"
#include "forms/Controls.h"
#include "forms/IpAddressField.h"
#include "forms/Messages.h"
#include "forms/Validation.h"
#include "link/PrinterPort.h"
#include "main/ConnectFailure.h"
#include "main/CupsSpooler.h"
#include "main/ModelIdentity.h"
#include "tagwell/Version.h"

namespace {

// A fixed address of the private range, as printers often come configured.
constexpr std::array<int, 4> kPresetAddress = {192, 168, 0, 100};
constexpr int kDefaultPortNumber = 9100;

template <typename Value>
using Entries = std::vector<Controls::Entry<Value>>;

}  // namespace

MainWindow::MainWindow(const ToolContext& context, ToolWindowFactory makeTool, QWidget* parent)
    : MainWindow(context, std::make_unique<CupsSpooler>(), nullptr, std::move(makeTool), parent) {}

MainWindow::MainWindow(const ToolContext& context, Spooler& spooler, ToolWindowFactory makeTool,
                       QWidget* parent)
    : MainWindow(context, nullptr, &spooler, std::move(makeTool), parent) {}

MainWindow::MainWindow(const ToolContext& context, std::unique_ptr<Spooler> ownSpooler,
                       Spooler* spooler, ToolWindowFactory makeTool, QWidget* parent)
    : QDialog(parent),
      context_(context),
      makeTool_(std::move(makeTool)),
      ownSpooler_(std::move(ownSpooler)),
      redirection_(spooler ? *spooler : *ownSpooler_) {
    setWindowTitle(tr("Tagwell  (Version %1)").arg(QLatin1String(kTagwellVersion)));
    // No close box: the window is left with Exit (or Escape).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint);
    BuildForm();
    ip_->SetAddress(kPresetAddress);
    port_->setText(QString::number(kDefaultPortNumber));
    interfaceButtons_[static_cast<std::size_t>(PortKind::Serial)]->setChecked(true);
    ApplyInterfaceRow(PortKind::Serial);
    disconnect_->setEnabled(false);
    for (QPushButton* button : toolButtons_) {
        button->setEnabled(false);
    }
    ShowDeviceLine();
}

void MainWindow::BuildForm() {
    auto* interfaceBox = new QGroupBox(tr("Interface Type"), this);
    auto* interfaceLayout = new QGridLayout(interfaceBox);
    interfaceGroup_ = new QButtonGroup(this);
    struct Interface {
        PortKind kind;
        QString text;
        const char* name;
    };
    const Interface interfaces[] = {
        {PortKind::Serial, tr("Serial"), "serialRadio"},
        {PortKind::Parallel, tr("Parallel"), "parallelRadio"},
        {PortKind::Usb, tr("USB"), "usbRadio"},
        {PortKind::Ethernet, tr("Ethernet"), "ethernetRadio"},
    };
    for (const Interface& entry : interfaces) {
        const int id = static_cast<int>(entry.kind);
        auto* button = new QRadioButton(entry.text, interfaceBox);
        button->setObjectName(QLatin1String(entry.name));
        interfaceGroup_->addButton(button, id);
        interfaceLayout->addWidget(button, id / 2, id % 2);
        interfaceButtons_[static_cast<std::size_t>(id)] = button;
        // The checked state, not the click: the keyboard and assistive technology check the
        // buttons without clicking them.
        connect(button, &QRadioButton::toggled, this, [this, kind = entry.kind](bool checked) {
            if (checked) {
                ChooseInterface(kind);
            }
        });
    }
    usbDevice_ = new QLabel(interfaceBox);
    usbDevice_->setObjectName(QStringLiteral("usbDeviceLabel"));
    usbDevice_->setForegroundRole(QPalette::PlaceholderText);
    usbDevice_->setVisible(false);
    interfaceLayout->addWidget(usbDevice_, 2, 0, 1, 2);

    auto* commBox = new QGroupBox(tr("Comm Setting"), this);
    auto* comm = new QGridLayout(commBox);
    comm->setColumnStretch(1, 1);
    lptPort_ = Controls::List(commBox, "lptPortCombo",
                              {QStringLiteral("LPT1:"), QStringLiteral("LPT2:"),
                               QStringLiteral("LPT3:"), QStringLiteral("LPT4:")});
    QStringList comNames;
    for (int i = 1; i <= 10; ++i) {
        comNames << QStringLiteral("COM%1:").arg(i);
    }
    comPort_ = Controls::List(commBox, "comPortCombo", comNames);
    comDevice_ = new QLabel(commBox);
    comDevice_->setObjectName(QStringLiteral("comDeviceLabel"));
    Entries<std::uint32_t> baudRates;
    for (const std::uint32_t rate : {9600u, 19200u, 38400u, 57600u, 115200u}) {
        baudRates.push_back({QString::number(rate), rate});
    }
    baudRate_ = Controls::List(commBox, QStringLiteral("baudRateCombo"), baudRates);
    dataBits_ =
        Controls::List(commBox, QStringLiteral("dataBitsCombo"),
                       Entries<std::int32_t>{{QStringLiteral("7"), 7}, {QStringLiteral("8"), 8}});
    parity_ = Controls::List(
        commBox, QStringLiteral("parityCombo"),
        Entries<Parity>{
            {tr("None"), Parity::None}, {tr("Odd"), Parity::Odd}, {tr("Even"), Parity::Even}});
    stopBits_ = Controls::List(commBox, QStringLiteral("stopBitsCombo"),
                               Entries<StopBits>{{QStringLiteral("1"), StopBits::One},
                                                 {QStringLiteral("1.5"), StopBits::OneAndHalf},
                                                 {QStringLiteral("2"), StopBits::Two}});
    // The lists start at the link's own defaults.
    const SerialParams defaults;
    Controls::Choose(baudRate_, QVariant::fromValue(defaults.baudRate));
    Controls::Choose(dataBits_, QVariant::fromValue(defaults.dataBits));
    Controls::Choose(parity_, QVariant::fromValue(defaults.parity));
    Controls::Choose(stopBits_, QVariant::fromValue(defaults.stopBits));
    ip_ = new IpAddressField(commBox);
    ip_->setObjectName(QStringLiteral("ipField"));
    port_ = Controls::Field(commBox, "portEdit");
    connect(comPort_, &QComboBox::currentIndexChanged, this, &MainWindow::ShowDeviceLine);

    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* field) {
        auto* caption = new QLabel(label, commBox);
        caption->setBuddy(field);
        comm->addWidget(caption, row, 0);
        comm->addWidget(field, row, 1);
        ++row;
    };
    addRow(tr("LPT Port"), lptPort_);
    addRow(tr("COM Port"), comPort_);
    comm->addWidget(comDevice_, row++, 1);
    addRow(tr("Baud Rate"), baudRate_);
    addRow(tr("Data Bits"), dataBits_);
    addRow(tr("Parity"), parity_);
    addRow(tr("Stop Bits"), stopBits_);
    addRow(tr("IP"), ip_);
    addRow(tr("Port"), port_);
    connect_ = Controls::Button(commBox, tr("Connect"), QStringLiteral("connectButton"), this,
                                &MainWindow::Connect);
    disconnect_ = Controls::Button(commBox, tr("Disconnect"), QStringLiteral("disconnectButton"),
                                   this, &MainWindow::Disconnect);
    // Enter is this window's own (see keyPressEvent); these keep the look of a dialog's
    // default button for the one a person presses next.
    connect_->setAutoDefault(true);
    disconnect_->setAutoDefault(true);
    auto* connectRow = new QHBoxLayout;
    connectRow->addWidget(connect_);
    connectRow->addWidget(disconnect_);
    comm->addLayout(connectRow, row, 0, 1, 2);

    auto* left = new QVBoxLayout;
    left->addWidget(interfaceBox);
    left->addWidget(commBox);
    left->addStretch();

    const auto group = [this](const QString& title, std::initializer_list<QPushButton*> buttons) {
        auto* box = new QGroupBox(title, this);
        auto* layout = new QVBoxLayout(box);
        for (QPushButton* button : buttons) {
            button->setParent(box);
            layout->addWidget(button);
        }
        return box;
    };
    auto* right = new QVBoxLayout;
    right->addWidget(group(
        tr("User Setting"),
        {ToolButton(tr("User Setting Manager"), "userSettingButton", Tool::UserSettingManager),
         ToolButton(tr("Calibration Setting Manager"), "calibrationButton",
                    Tool::CalibrationSettingManager)}));
    right->addWidget(group(
        tr("Downloader"),
        {ToolButton(tr("PCX File Downloader"), "pcxDownloaderButton", Tool::PcxFileDownloader)}));
    right->addWidget(
        group(tr("File Transfer"), {ToolButton(tr("File Transfer Manager"), "fileTransferButton",
                                               Tool::FileTransferManager)}));
    right->addWidget(
        group(tr("RFID"),
              {ToolButton(tr("Set Configuration"), "rfidConfigButton", Tool::RfidConfiguration),
               ToolButton(tr("Write/Read"), "rfidWriteReadButton", Tool::RfidWriteRead)}));
    right->addStretch();
    QPushButton* tester = ToolButton(tr("TORQ Tester"), "testerButton", Tool::TorqTester);
    tester->setMinimumHeight(tester->sizeHint().height() * 3 / 2);
    right->addWidget(tester);
    QPushButton* exit =
        Controls::Button(this, tr("Exit"), QStringLiteral("exitButton"), this, &MainWindow::Exit);
    exit->setAutoDefault(true);
    right->addWidget(exit);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
}

QPushButton* MainWindow::ToolButton(const QString& text, const char* name, Tool tool) {
    QPushButton* button = Controls::Button(this, text, name);
    connect(button, &QPushButton::clicked, this, [this, tool] { OpenTool(tool); });
    toolButtons_.push_back(button);
    return button;
}

void MainWindow::ShowDeviceLine() {
    const QString device = context_.port.DevicePath(PortKind::Serial, comPort_->currentText());
    QString text =
        device.isEmpty() ? tr("No serial device for this port") : tr("Device: %1").arg(device);
    // Queues the spooler would not let us stop can still print to the port while we hold it.
    if (queuesStillUsingPort_.size() == 1) {
        text += QLatin1Char('\n') +
                tr("CUPS queue %1 still uses this port").arg(queuesStillUsingPort_.front());
    } else if (queuesStillUsingPort_.size() > 1) {
        text += QLatin1Char('\n') + tr("CUPS queues %1 still use this port")
                                        .arg(queuesStillUsingPort_.join(QStringLiteral(", ")));
    }
    comDevice_->setText(text);
    // A quiet hint normally; readable as a warning while queues still compete for the port.
    comDevice_->setForegroundRole(queuesStillUsingPort_.isEmpty() ? QPalette::PlaceholderText
                                                                  : QPalette::WindowText);
}

PortKind MainWindow::CheckedInterface() const {
    return static_cast<PortKind>(interfaceGroup_->checkedId());
}

void MainWindow::ChooseInterface(PortKind kind) {
    interfaceChoice_ = kind;
    ApplyInterfaceRow(kind);
}

void MainWindow::EnableSerialFields(bool enabled) {
    for (QWidget* field :
         std::initializer_list<QWidget*>{comPort_, baudRate_, dataBits_, parity_, stopBits_}) {
        field->setEnabled(enabled);
    }
}

void MainWindow::ShowUsbLine() {
    const auto printer = context_.port.FindUsbPrinter();
    usbDevice_->setText(printer ? tr("USB printer: %1 on %2")
                                      .arg(ModelIdentity::ModelNames().value(printer->modelIndex),
                                           printer->devicePath)
                                : tr("No supported USB printer found"));
}

void MainWindow::ApplyInterfaceRow(PortKind kind) {
    // Looked for again whenever USB is chosen: the printer may have been plugged in meanwhile.
    if (kind == PortKind::Usb) {
        ShowUsbLine();
    }
    usbDevice_->setVisible(kind == PortKind::Usb);
    lptPort_->setEnabled(kind == PortKind::Parallel);
    EnableSerialFields(kind == PortKind::Serial);
    ip_->setEnabled(kind == PortKind::Ethernet);
    port_->setEnabled(kind == PortKind::Ethernet);
}

void MainWindow::SetConnectedState(bool connected) {
    connected_ = connected;
    if (connected) {
        lptPort_->setEnabled(false);
        EnableSerialFields(false);
    } else if (interfaceChoice_ != PortKind::Ethernet) {
        lptPort_->setEnabled(interfaceChoice_ == PortKind::Parallel);
        EnableSerialFields(interfaceChoice_ == PortKind::Serial);
    }
    for (QRadioButton* button : interfaceButtons_) {
        button->setEnabled(!connected);
    }
    connect_->setEnabled(!connected);
    disconnect_->setEnabled(connected);
    for (QPushButton* button : toolButtons_) {
        button->setEnabled(connected);
    }
}

bool MainWindow::ReadForm() {
    interfaceChoice_ = CheckedInterface();
    hostAddress_ = ip_->Text();
    const auto number = Validation::ReadInteger(port_->text(), port_, context_.messages);
    if (number) {
        portNumber_ = *number;
    }
    return number.has_value();
}

void MainWindow::Connect() {
    ReadForm();
    switch (interfaceChoice_) {
        case PortKind::Serial:
            portName_ = comPort_->currentText();
            break;
        case PortKind::Parallel:
            portName_ = lptPort_->currentText();
            break;
        case PortKind::Usb:
            portName_ = QStringLiteral("USB");
            break;
        case PortKind::Ethernet:
            portName_ = QStringLiteral("ETHERNET");
            break;
    }
    PrinterPort& port = context_.port;
    if (interfaceChoice_ == PortKind::Serial || interfaceChoice_ == PortKind::Parallel) {
        // The spooler lets go of the device before we open it.
        queuesStillUsingPort_ =
            redirection_.RedirectSpoolerPrinters(port.DevicePath(interfaceChoice_, portName_));
        ShowDeviceLine();
    }
    port.SetPortName(portName_);
    if (interfaceChoice_ == PortKind::Ethernet) {
        port.SetNetworkTarget({hostAddress_, static_cast<std::uint32_t>(portNumber_)});
    } else if (interfaceChoice_ == PortKind::Serial) {
        port.SetSerialParams(
            {Controls::Chosen<std::uint32_t>(baudRate_), Controls::Chosen<Parity>(parity_),
             Controls::Chosen<std::int32_t>(dataBits_), Controls::Chosen<StopBits>(stopBits_)});
    }
    const bool opened = port.Open();
    if (interfaceChoice_ == PortKind::Usb) {
        ShowUsbLine();
    }
    if (!opened) {
        QString text = tr("Cannot open port! Please check printer and cable.");
        const QString details =
            ConnectFailure::Details(interfaceChoice_, portName_, port.LastOpenFailure());
        if (!details.isEmpty()) {
            text += QStringLiteral("\n\n") + details;
        }
        context_.messages.Warning(text);
        return;
    }
    if (port.Kind() == PortKind::Usb) {
        port.Close();  // USB is opened around each exchange
    }
    IdentifyModel();
    context_.messages.Information(tr("Success open port."));
    SetConnectedState(true);
}

void MainWindow::IdentifyModel() {
    const std::optional<ModelIdentity::Reply> reply =
        ModelIdentity::Query(context_.port, context_.pacer);
    if (!reply) {
        return;  // the model found before, if any, stays
    }
    modelName_ = reply->name;
    if (reply->index >= 0) {
        modelIndex_ = reply->index;
    }
}

void MainWindow::Disconnect() {
    // USB is only open during exchanges: nothing to close.
    const PortKind kind = context_.port.Kind();
    if (kind != PortKind::Usb) {
        context_.port.Close();
    }
    if (kind == PortKind::Serial || kind == PortKind::Parallel) {
        RestoreSpooler();
    }
    SetConnectedState(false);
}

void MainWindow::RestoreSpooler() {
    redirection_.RestoreSpoolerPrinters();
    queuesStillUsingPort_.clear();
    ShowDeviceLine();
}

void MainWindow::done(int result) {
    // Whatever the link is now: a failed serial Connect before a USB one still holds its queues.
    // A held device is let go first, so that the queues' waiting jobs can reach it.
    const PortKind kind = context_.port.Kind();
    if (connected_ && (kind == PortKind::Serial || kind == PortKind::Parallel)) {
        context_.port.Close();
    }
    RestoreSpooler();
    QDialog::done(result);
}

void MainWindow::OpenTool(Tool tool) {
    if (tool == Tool::CalibrationSettingManager && CheckedInterface() == PortKind::Ethernet) {
        context_.messages.Warning(tr("Calibration is not supported on Ethernet connection."));
        return;
    }
    ToolContext context = context_;
    context.modelIndex = modelIndex_;
    const std::unique_ptr<QDialog> window = makeTool_(tool, context, this);
    if (!window) {
        ShowNotYetAvailable(context_.messages);
        return;
    }
    context_.run(*window);
}

void MainWindow::Exit() {
    if (ReadForm()) {
        accept();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter presses the focused button; anywhere else it means Exit.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            Exit();
        }
        return;
    }
    QDialog::keyPressEvent(event);  // Escape ends up in reject()
}

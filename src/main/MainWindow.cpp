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

#include "forms/Controls.h"
#include "forms/IpAddressField.h"
#include "forms/Messages.h"
#include "forms/Pacer.h"
#include "forms/Validation.h"
#include "link/PrinterPort.h"
#include "main/ModelIdentity.h"

namespace {

constexpr std::array<std::uint32_t, 5> kBaudRates = {9600, 19200, 38400, 57600, 115200};
constexpr std::array<std::int32_t, 2> kDataBits = {7, 8};
// A fixed address of the private range, as printers often come configured.
constexpr std::array<int, 4> kPresetAddress = {192, 168, 0, 100};
constexpr int kDefaultPortNumber = 9100;
constexpr int kModelReplyPauseMs = 10;
constexpr int kReplyBufferSize = 32;

QComboBox* Combo(QWidget* parent, const char* name, const QStringList& items, int current) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setCurrentIndex(current);
    return combo;
}

}  // namespace

MainWindow::MainWindow(const ToolContext& context, ToolOpener openTool, QWidget* parent)
    : QDialog(parent), context_(context), openTool_(std::move(openTool)) {
    setWindowTitle(tr("Tagwell  (Version 1.4.2)"));
    // No close box: the window is left with Exit (or Escape).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint);
    BuildForm();
    ip_->SetAddress(kPresetAddress);
    port_->setText(QString::number(kDefaultPortNumber));
    interfaceButtons_[Serial]->setChecked(true);
    ApplyInterfaceRow(Serial);
    disconnect_->setEnabled(false);
    for (QPushButton* button : toolButtons_) {
        button->setEnabled(false);
    }
    ShowComDevice();
}

void MainWindow::BuildForm() {
    auto* interfaceBox = new QGroupBox(tr("Interface Type"), this);
    auto* interfaceLayout = new QGridLayout(interfaceBox);
    interfaceGroup_ = new QButtonGroup(this);
    const std::array<QString, 4> interfaceNames = {tr("Serial"), tr("Parallel"), tr("USB"),
                                                   tr("Ethernet")};
    const std::array<const char*, 4> interfaceObjects = {"serialRadio", "parallelRadio", "usbRadio",
                                                         "ethernetRadio"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(interfaceNames[i], interfaceBox);
        button->setObjectName(QLatin1String(interfaceObjects[i]));
        interfaceGroup_->addButton(button, i);
        interfaceLayout->addWidget(button, i / 2, i % 2);
        interfaceButtons_[i] = button;
    }
    connect(interfaceGroup_, &QButtonGroup::idClicked, this, &MainWindow::ChooseInterface);

    auto* commBox = new QGroupBox(tr("Comm Setting"), this);
    auto* comm = new QGridLayout(commBox);
    comm->setColumnStretch(1, 1);
    lptPort_ = Combo(commBox, "lptPortCombo",
                     {QStringLiteral("LPT1:"), QStringLiteral("LPT2:"), QStringLiteral("LPT3:"),
                      QStringLiteral("LPT4:")},
                     0);
    QStringList comNames;
    for (int i = 1; i <= 10; ++i) {
        comNames << QStringLiteral("COM%1:").arg(i);
    }
    comPort_ = Combo(commBox, "comPortCombo", comNames, 0);
    comDevice_ = new QLabel(commBox);
    comDevice_->setObjectName(QStringLiteral("comDeviceLabel"));
    comDevice_->setForegroundRole(QPalette::PlaceholderText);
    baudRate_ = Combo(commBox, "baudRateCombo",
                      {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                       QStringLiteral("57600"), QStringLiteral("115200")},
                      4);
    dataBits_ = Combo(commBox, "dataBitsCombo", {QStringLiteral("7"), QStringLiteral("8")}, 1);
    parity_ = Combo(commBox, "parityCombo", {tr("None"), tr("Odd"), tr("Even")}, 0);
    stopBits_ = Combo(commBox, "stopBitsCombo",
                      {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")}, 0);
    ip_ = new IpAddressField(commBox);
    ip_->setObjectName(QStringLiteral("ipField"));
    port_ = new QLineEdit(commBox);
    port_->setObjectName(QStringLiteral("portEdit"));
    connect(comPort_, &QComboBox::currentIndexChanged, this, &MainWindow::ShowComDevice);

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
    connect_ = new QPushButton(tr("Connect"), commBox);
    connect_->setObjectName(QStringLiteral("connectButton"));
    disconnect_ = new QPushButton(tr("Disconnect"), commBox);
    disconnect_->setObjectName(QStringLiteral("disconnectButton"));
    connect(connect_, &QPushButton::clicked, this, &MainWindow::Connect);
    connect(disconnect_, &QPushButton::clicked, this, &MainWindow::Disconnect);
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
    auto* exit = new QPushButton(tr("Exit"), this);
    exit->setObjectName(QStringLiteral("exitButton"));
    connect(exit, &QPushButton::clicked, this, &MainWindow::Exit);
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

void MainWindow::ShowComDevice() {
    const QString device = context_.port.DevicePath(PortKind::Serial, comPort_->currentText());
    comDevice_->setText(device.isEmpty() ? tr("No serial device for this port")
                                         : tr("Device: %1").arg(device));
}

void MainWindow::ChooseInterface(int choice) {
    if (choice == Parallel && context_.port.IsWin9xFamily()) {
        context_.messages.Warning(
            tr("Sorry, parallel port don't support in Windows 98, 98SE, ME."));
        interfaceButtons_[Serial]->setChecked(true);
        interfaceChoice_ = Serial;
        return;
    }
    interfaceChoice_ = choice;
    ApplyInterfaceRow(choice);
}

void MainWindow::ApplyInterfaceRow(int choice) {
    lptPort_->setEnabled(choice == Parallel);
    for (QWidget* field : {static_cast<QWidget*>(comPort_), static_cast<QWidget*>(baudRate_),
                           static_cast<QWidget*>(dataBits_), static_cast<QWidget*>(parity_),
                           static_cast<QWidget*>(stopBits_)}) {
        field->setEnabled(choice == Serial);
    }
    ip_->setEnabled(choice == Ethernet);
    port_->setEnabled(choice == Ethernet);
}

void MainWindow::SetConnectedState(bool connected) {
    connected_ = connected;
    if (connected) {
        lptPort_->setEnabled(false);
        for (QWidget* field : {static_cast<QWidget*>(comPort_), static_cast<QWidget*>(baudRate_),
                               static_cast<QWidget*>(dataBits_), static_cast<QWidget*>(parity_),
                               static_cast<QWidget*>(stopBits_)}) {
            field->setEnabled(false);
        }
    } else if (interfaceChoice_ != Ethernet) {
        lptPort_->setEnabled(interfaceChoice_ == Parallel);
        for (QWidget* field : {static_cast<QWidget*>(comPort_), static_cast<QWidget*>(baudRate_),
                               static_cast<QWidget*>(dataBits_), static_cast<QWidget*>(parity_),
                               static_cast<QWidget*>(stopBits_)}) {
            field->setEnabled(interfaceChoice_ == Serial);
        }
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
    interfaceChoice_ = interfaceGroup_->checkedId();
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
        case Serial:
            portName_ = comPort_->currentText();
            break;
        case Parallel:
            portName_ = lptPort_->currentText();
            break;
        case Usb:
            portName_ = QStringLiteral("USB");
            break;
        default:
            portName_ = QStringLiteral("ETHERNET");
            break;
    }
    PrinterPort& port = context_.port;
    port.SetPortName(portName_);
    if (interfaceChoice_ == Ethernet) {
        port.SetNetworkTarget({hostAddress_, static_cast<std::uint32_t>(portNumber_)});
    } else if (interfaceChoice_ == Serial) {
        port.SetSerialParams(kBaudRates[static_cast<std::size_t>(baudRate_->currentIndex())],
                             parity_->currentIndex(),
                             kDataBits[static_cast<std::size_t>(dataBits_->currentIndex())],
                             stopBits_->currentIndex());
    }
    if (!port.Open()) {
        context_.messages.Warning(tr("Cannot open port! Please check printer and cable."));
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
    PrinterPort& port = context_.port;
    port.Write(QByteArrayView("^PI0\r\n"));
    context_.pacer.Pause(kModelReplyPauseMs);
    QByteArray reply(kReplyBufferSize, '\0');
    const int count = port.Read(std::span<char>(reply.data(), reply.size()), kReplyBufferSize);
    if (count == 0) {
        return;
    }
    // On Ethernet a socket error (-1) counts as a reply without text.
    modelName_ = ModelIdentity::NormalisedName(count > 0 ? reply.first(count) : QByteArray());
    const int index = ModelIdentity::IndexOf(modelName_);
    if (index >= 0) {
        modelIndex_ = index;
    }
}

void MainWindow::Disconnect() {
    // USB is only open during exchanges: nothing to close.
    if (context_.port.Kind() != PortKind::Usb) {
        context_.port.Close();
    }
    SetConnectedState(false);
}

void MainWindow::OpenTool(Tool tool) {
    if (tool == Tool::CalibrationSettingManager && interfaceGroup_->checkedId() == Ethernet) {
        context_.messages.Warning(tr("Calibration is not supported on Ethernet connection."));
        return;
    }
    ToolContext context = context_;
    context.modelIndex = modelIndex_;
    openTool_(tool, context, this);
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

#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "forms/ToolContext.h"
#include "link/PortKind.h"
#include "main/SpoolerRedirection.h"
#include "main/ToolWindows.h"

class IpAddressField;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The application's one top-level window: choose the interface and its settings, connect,
// identify the printer model, and open the tools.
class MainWindow : public QDialog {
    Q_OBJECT
public:
    // The context's model index is ignored: this window finds it out. Tools are made by
    // `makeTool` and run with the context's runner.
    // The spooler is the user's cupsd.
    explicit MainWindow(const ToolContext& context, ToolWindowFactory makeTool = MakeToolWindow,
                        QWidget* parent = nullptr);
    // The spooler whose queues are taken off a serial or parallel port while it is held.
    MainWindow(const ToolContext& context, Spooler& spooler,
               ToolWindowFactory makeTool = MakeToolWindow, QWidget* parent = nullptr);

    void Connect();
    void Disconnect();
    void SetConnectedState(bool connected);

    int ModelIndex() const { return modelIndex_; }
    const QString& ModelName() const { return modelName_; }
    bool IsConnected() const { return connected_; }
    const SpoolerRedirection& Redirection() const { return redirection_; }

    // Closing, however it happens, gives the spooler its queues back.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MainWindow(const ToolContext& context, std::unique_ptr<Spooler> ownSpooler, Spooler* spooler,
               ToolWindowFactory makeTool, QWidget* parent);
    void BuildForm();
    QPushButton* ToolButton(const QString& text, const char* name, Tool tool);
    void ChooseInterface(PortKind kind);
    void ApplyInterfaceRow(PortKind kind);
    void EnableSerialFields(bool enabled);
    PortKind CheckedInterface() const;
    // Copies the form into its fields; false when the port number is not an integer.
    bool ReadForm();
    void IdentifyModel();
    void Exit();
    void OpenTool(Tool tool);
    void ShowDeviceLine();
    // Under the interface choice while USB is chosen: the USB printer found, or that none is.
    void ShowUsbLine();
    void RestoreSpooler();

    ToolContext context_;
    ToolWindowFactory makeTool_;
    std::unique_ptr<Spooler> ownSpooler_;
    SpoolerRedirection redirection_;
    // The spooler queues that still print to the held port (not ours to stop).
    QStringList queuesStillUsingPort_;
    int modelIndex_ = -1;
    QString modelName_;
    bool connected_ = false;

    // Form state.
    PortKind interfaceChoice_ = PortKind::Serial;
    QString portName_;
    int portNumber_ = 9100;
    QString hostAddress_;

    QButtonGroup* interfaceGroup_ = nullptr;
    std::array<QRadioButton*, 4> interfaceButtons_{};
    QLabel* usbDevice_ = nullptr;
    QComboBox* lptPort_ = nullptr;
    QComboBox* comPort_ = nullptr;
    QLabel* comDevice_ = nullptr;
    QComboBox* baudRate_ = nullptr;
    QComboBox* dataBits_ = nullptr;
    QComboBox* parity_ = nullptr;
    QComboBox* stopBits_ = nullptr;
    IpAddressField* ip_ = nullptr;
    QLineEdit* port_ = nullptr;
    QPushButton* connect_ = nullptr;
    QPushButton* disconnect_ = nullptr;
    std::vector<QPushButton*> toolButtons_;
};

#include "link/PrinterSocket.h"

#include "link/PortHost.h"
#include "link/PortPlatform.h"

namespace {
constexpr int kPauseAfterSendMs = 50;
}

PrinterSocket::PrinterSocket(PortPlatform& platform, PortHost& host)
    : platform_(platform), host_(host) {}

PrinterSocket::~PrinterSocket() = default;

bool PrinterSocket::SetTarget(const QString& hostAddress, std::uint32_t portNumber) {
    hostAddress_ = hostAddress;
    portNumber_ = portNumber;
    return true;
}

bool PrinterSocket::Connect() {
    // A connection the printer closed or reset meanwhile (it closes idle connections, or was
    // switched off and on) is made afresh, so that the next exchange reaches the printer
    // instead of failing into the void.
    if (connected_ && (hold_ || !link_->PeerClosed())) {
        return true;
    }
    Disconnect();
    link_ = platform_.CreateStream();
    if (!link_) {
        host_.Warning(tr("Error : Failed to Create socket!"));
        return false;
    }
    // A port number outside 0..65535 cannot be reached; it fails like a refused connection.
    const bool reachable = portNumber_ <= 0xFFFF;
    if (!reachable || !link_->Connect(hostAddress_, static_cast<std::uint16_t>(portNumber_))) {
        link_->Close();
        link_.reset();
        host_.Warning(
            tr("Error : Failed to connect. Please, \ncheck IP port configuration in printer "
               "control pannel"));
        return false;
    }
    connected_ = true;
    return true;
}

void PrinterSocket::HoldConnection(bool hold) {
    if (hold && connected_ && link_->PeerClosed()) {
        Disconnect();
    }
    hold_ = hold;
}

int PrinterSocket::Send(QByteArrayView data, SendPause pause) {
    if (!link_ || data.isEmpty()) {
        return 0;
    }
    if (link_->Send(data) < 1) {
        return 0;
    }
    if (pause == SendPause::After) {
        host_.Pause(kPauseAfterSendMs);
    }
    return static_cast<int>(data.size());
}

int PrinterSocket::Receive(std::span<char> buffer) {
    if (!link_) {
        return -1;
    }
    return link_->Receive(buffer);
}

void PrinterSocket::DiscardInput() {
    if (link_) {
        link_->DiscardInput();
    }
}

void PrinterSocket::Disconnect() {
    if (link_) {
        link_->Close();
        link_.reset();
    }
    connected_ = false;
}

#include "support/TestRig.h"

bool TestRig::Connect(const QString& portName) {
    port.SetPortName(portName);
    if (portName.startsWith(QStringLiteral("ETHERNET"))) {
        port.SetNetworkTarget({QStringLiteral("192.168.0.100"), 9100});
    }
    return port.Open();
}

void TestRig::ConnectAndClear(const QString& portName) {
    Connect(portName);
    link.ClearRecord();
    messages.Clear();
    pacer.Clear();
}

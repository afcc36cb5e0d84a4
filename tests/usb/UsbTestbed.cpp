#include "usb/UsbTestbed.h"

#include <umockdev.h>

#include <QFile>
#include <QFileInfo>

UsbTestbed::UsbTestbed() : testbed_(umockdev_testbed_new()) {}

UsbTestbed::~UsbTestbed() {
    g_object_unref(testbed_);
}

bool UsbTestbed::Active() {
    // Only a testbed that exists makes a mock environment.
    const UsbTestbed probe;
    return umockdev_in_mock_environment();
}

QString UsbTestbed::Add(const Device& device) {
    const QByteArray usb = QByteArray("/devices/pci0000:00/usb1/") + device.port;
    const QByteArray interface = usb + '/' + device.port + ":1.0";
    const QByteArray name =
        QByteArray(device.node).mid(QByteArray(device.node).lastIndexOf('/') + 1);
    const QByteArray description =
        "P: " + usb + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nA: idVendor=" + device.vendor +
        "\nA: idProduct=" + device.product + "\n\nP: " + interface +
        "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\nA: bInterfaceClass=" +
        device.interfaceClass + "\n\nP: " + interface + "/usbmisc/" + name + "\nN: " + device.node +
        "\nE: SUBSYSTEM=usbmisc\nE: DEVNAME=/dev/" + device.node +
        "\nA: dev=180:" + QByteArray::number(nextMinor_++) + "\n";
    GError* error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed_, description.constData(), &error)) {
        g_error_free(error);
        return {};
    }
    return QStringLiteral("/dev/") + QLatin1String(device.node);
}

int UsbTestbed::MasterOf(const QString& devicePath) const {
    return umockdev_testbed_get_dev_fd(testbed_, QFile::encodeName(devicePath).constData());
}

QString UsbTestbed::TerminalOf(const QString& devicePath) const {
    return QFileInfo(RootDir() + devicePath).symLinkTarget();
}

QString UsbTestbed::RootDir() const {
    gchar* root = umockdev_testbed_get_root_dir(testbed_);
    const QString dir = QString::fromLocal8Bit(root);
    g_free(root);
    return dir;
}

#pragma once

#include <QByteArray>
#include <QString>

typedef struct _UMockdevTestbed UMockdevTestbed;

// A fake device tree made by umockdev: sysfs entries that libudev reads, and device nodes backed
// by pseudo-terminals whose other side the test holds. Works only under umockdev's preload
// library (the test program's environment sets it); Active() tells.
class UsbTestbed {
public:
    UsbTestbed();
    ~UsbTestbed();
    UsbTestbed(const UsbTestbed&) = delete;
    UsbTestbed& operator=(const UsbTestbed&) = delete;

    static bool Active();

    struct Device {
        const char* port;            // USB port, e.g. "1-2": orders the devices as the kernel does
        QByteArray vendor;           // idVendor as the kernel writes it, e.g. "3a5e"
        QByteArray product;          // idProduct
        const char* interfaceClass;  // "07" for a printer
        const char* node;            // e.g. "usb/lp0" (under /dev)
    };
    // Adds a USB device with one interface and its usbmisc node; returns "/dev/<node>".
    QString Add(const Device& device);
    // The test's side of a node's pseudo-terminal, or -1.
    int MasterOf(const QString& devicePath) const;
    // The terminal behind a node ("/dev/pts/N"), to change its owner or rights.
    QString TerminalOf(const QString& devicePath) const;
    QString RootDir() const;

private:
    UMockdevTestbed* testbed_;
    int nextMinor_ = 0;
};

#pragma once

#include <QString>
#include <optional>

// A supported USB printer present on this machine: its device node and its model.
struct UsbPrinter {
    QString devicePath;  // "/dev/usb/lp0"
    int modelIndex = -1;
};

// Finds USB printers through the system's device database (libudev): the printer devices of the
// kernel's usblp driver (subsystem "usbmisc" under a printer-class interface), matched by their
// USB vendor and product ids against UsbIdTable.
class UsbDiscovery {
public:
    // The first supported printer in the system's enumeration order; nothing when none is
    // present or the device database cannot be read.
    static std::optional<UsbPrinter> Find();
};

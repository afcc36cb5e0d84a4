#pragma once

#include <QString>
#include <memory>

#include "link/PortDevice.h"

// Why a device could not be opened, as far as a person can act on it.
enum class DeviceFault {
    None,
    NotFound,      // no device file for the port name, or it does not exist
    NoUsbPrinter,  // no supported USB printer is connected
    Permission,    // the user may not open the device file
    Busy,          // another program holds the device
    Other,         // any other failure; `error` tells the system's reason when known
};

// Why a device could not be opened, and which device file that was (empty when there was none).
struct OpenFailure {
    DeviceFault fault = DeviceFault::None;
    QString path;
    int error = 0;  // the system's error number, 0 when none is known
};

// The outcome of opening a serial, parallel or USB device.
struct DeviceOpening {
    std::unique_ptr<PortDevice> device;  // nothing when it could not be opened
    OpenFailure failure;                 // its path is the device file tried, also on success
    int usbModelIndex = -1;              // USB: the model whose id the device carries

    // The fault an error number of open() or flock() stands for.
    static DeviceFault FaultOf(int error);
};

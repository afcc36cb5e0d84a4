#include "link/DeviceOpening.h"

#include <cerrno>

DeviceFault DeviceOpening::FaultOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
        case EROFS:
            return DeviceFault::Permission;
        case EBUSY:        // the printer drivers let one program at a time open the device
        case EWOULDBLOCK:  // another program's lock
            return DeviceFault::Busy;
        case ENOENT:
        case ENODEV:
        case ENXIO:
        case ENOTDIR:
            return DeviceFault::NotFound;
        default:
            return DeviceFault::Other;
    }
}

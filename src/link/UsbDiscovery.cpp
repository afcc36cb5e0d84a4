#include "link/UsbDiscovery.h"

#include <libudev.h>

#include <QByteArrayView>
#include <memory>

#include "link/UsbIdTable.h"

namespace {

// The USB interface class of printers.
constexpr QByteArrayView kPrinterClass = "07";

struct UdevFree {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <typename T>
using UdevPointer = std::unique_ptr<T, UdevFree>;

QByteArrayView Attribute(udev_device* device, const char* name) {
    const char* value = device == nullptr ? nullptr : udev_device_get_sysattr_value(device, name);
    return value == nullptr ? QByteArrayView() : QByteArrayView(value);
}

// The model of one usbmisc device, or -1 when it is not a supported printer. Parents belong to
// the device and are not freed here.
int ModelOf(udev_device* device) {
    udev_device* interface =
        udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_interface");
    if (Attribute(interface, "bInterfaceClass") != kPrinterClass) {
        return -1;  // another usbmisc device (a HID device's node, say) with a known id
    }
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    const QByteArrayView vendor = Attribute(usb, "idVendor");
    const QByteArrayView product = Attribute(usb, "idProduct");
    if (vendor.isNull() || product.isNull()) {
        return -1;
    }
    return UsbIdTable::ModelIndexOf(UsbIdTable::IdText(vendor, product));
}

}  // namespace

std::optional<UsbPrinter> UsbDiscovery::Find() {
    const UdevPointer<udev> context(udev_new());
    if (!context) {
        return std::nullopt;
    }
    const UdevPointer<udev_enumerate> enumeration(udev_enumerate_new(context.get()));
    if (!enumeration || udev_enumerate_add_match_subsystem(enumeration.get(), "usbmisc") < 0 ||
        udev_enumerate_scan_devices(enumeration.get()) < 0) {
        return std::nullopt;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration.get())) {
        const UdevPointer<udev_device> device(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        const char* node = device ? udev_device_get_devnode(device.get()) : nullptr;
        if (node == nullptr) {
            continue;
        }
        const int model = ModelOf(device.get());
        if (model >= 0) {
            return UsbPrinter{QString::fromLocal8Bit(node), model};
        }
    }
    return std::nullopt;
}

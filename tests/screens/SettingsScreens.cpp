#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "screens/Screens.h"
#include "settings/UserSettingManager.h"
#include "support/TestRig.h"

namespace {

void Click(QWidget& window, const char* name) {
    if (auto* button = window.findChild<QAbstractButton*>(QLatin1String(name))) {
        button->click();
    }
}

// The manager on a QX-M43, with one page shown after the Gets a technician would press.
std::unique_ptr<QWidget> Manager(TestRig& rig, UserSettingManager::Page page,
                                 const std::function<void(QWidget&)>& fill) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto window = std::make_unique<UserSettingManager>(rig.Context(3));
    window->Tabs()->setCurrentIndex(page);
    fill(*window);
    rig.messages.Clear();
    return window;
}

TAGWELL_SCENE("settings_serial", [](TestRig& rig) {
    return Manager(rig, UserSettingManager::Serial, [&](QWidget& window) {
        rig.link.QueueReply("\x35");
        Click(window, "serialGetButton");
    });
});

TAGWELL_SCENE("settings_language", [](TestRig& rig) {
    return Manager(rig, UserSettingManager::Language, [&](QWidget& window) {
        rig.link.QueueReply("\x08");
        rig.link.QueueReply("\x0B");
        Click(window, "languageGetButton");
    });
});

TAGWELL_SCENE("settings_print_page", [](TestRig& rig) {
    return Manager(rig, UserSettingManager::PrintAndPage, [&](QWidget& window) {
        rig.link.Answer("^PI5,0\r\n", "832\r\n");
        rig.link.Answer("^PI5,1\r\n", "1200\r\n");
        rig.link.Answer("^PI5,2\r\n", "24\r\n");
        rig.link.Answer("^PI5,3\r\n", "0\r\n");
        rig.link.Answer("^PI4,1\r\n", "10\r\n");
        rig.link.Answer("^MBR4,1", "\x40");
        rig.link.Answer("^MBR3,1", "\x60");
        rig.link.Answer("^SA\r\n", "-015\r\n");
        for (const char* button :
             {"paperWidthGetButton", "paperLengthGetButton", "gapLengthGetButton",
              "horizontalMarginGetButton", "printDensityGetButton", "strobeGetButton",
              "speedGetButton", "offsetGetButton"}) {
            Click(window, button);
        }
    });
});

TAGWELL_SCENE("settings_hardware", [](TestRig& rig) {
    return Manager(rig, UserSettingManager::HardwareInfo, [&](QWidget& window) {
        rig.link.QueueReply("1.00\r\n");
        Click(window, "hardwareVersionGetButton");
        rig.link.QueueReply("TW2024051700123\r\n");
        Click(window, "serialNumberGetButton");
        window.findChild<QLineEdit*>(QStringLiteral("printerIdEdit"))
            ->setText(QStringLiteral("LINE-03"));
    });
});

TAGWELL_SCENE("settings_printer_info", [](TestRig& rig) {
    return Manager(rig, UserSettingManager::PrinterInfo, [&](QWidget& window) {
        rig.link.Answer("^PI0", "QX-M43\r\n");
        rig.link.Answer("^PI1", "DT/TT\r\n");
        rig.link.Answer("^PI2", "V1.04\r\n");
        rig.link.Answer("^PI4,0", "25\r\n");
        Click(window, "printerInfoGetButton");
    });
});

}  // namespace

#include <QPushButton>

#include "main/MainWindow.h"
#include "screens/Screens.h"
#include "support/TestRig.h"

namespace {

std::unique_ptr<QWidget> MainWindowScene(TestRig& rig, bool connected) {
    auto window = std::make_unique<MainWindow>(rig.Context());
    if (connected) {
        rig.link.Answer("^PI0\r\n", "QX-M43\r\n");
        window->Connect();
    }
    return window;
}

TAGWELL_SCENE("main_disconnected", [](TestRig& rig) { return MainWindowScene(rig, false); });
TAGWELL_SCENE("main_connected", [](TestRig& rig) { return MainWindowScene(rig, true); });

}  // namespace

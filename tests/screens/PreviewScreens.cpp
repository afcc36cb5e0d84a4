#include <QComboBox>
#include <QPushButton>

#include "forms/Controls.h"
#include "screens/Screens.h"
#include "support/TestRig.h"
#include "tester/TesterWindow.h"

namespace {

// A shipping label as a person would build it with the tester's forms, with one command the
// preview does not know, so that the list below the label has a row.
const QByteArray kShippingLabel =
    "SS3\r\nSD20\r\nSOT\r\nSW812\r\nSL609,24,G\r\n"
    "BD20,20,792,589,B,4\r\n"
    "T40,40,5,1,1,0,0,N,N,'KORVALE Logistics'\r\n"
    "T40,110,3,1,1,0,0,N,N,'Order 2024-0815   Parcel 1 of 1'\r\n"
    "V40,160,U,35,35,1,N,N,N,0,L,0,'Ship to: Harbour Road 12, Bristol'\r\n"
    "BD20,220,792,224,O\r\n"
    "B160,260,1,2,6,140,0,1,'TW-0815-42'\r\n"
    "B2500,244,Q,2,M,4,0,'https://example.com/t/0815'\r\n"
    "ZX1\r\n"
    "P1\r\n";

std::unique_ptr<TesterWindow> TesterWithPreview(TestRig& rig, const QByteArray& script) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto window = std::make_unique<TesterWindow>(rig.Context());
    window->SetEditorBytes(script);
    window->findChild<QPushButton*>(QStringLiteral("previewButton"))->click();
    return window;
}

TAGWELL_SCENE("tester_preview",
              [](TestRig& rig) { return TesterWithPreview(rig, kShippingLabel); });

// Several labels, the second chosen and shown at twice its size.
TAGWELL_SCENE("tester_preview_zoomed", [](TestRig& rig) {
    auto window = TesterWithPreview(rig, kShippingLabel +
                                             "T40,40,5,1,1,0,0,N,N,'Return slip'\r\n"
                                             "BD30,100,400,104,O\r\nP5\r\n"
                                             "T40,40,3,1,1,0,0,N,N,'Spare'\r\n");
    window->findChild<QComboBox*>(QStringLiteral("labelList"))->setCurrentIndex(1);
    Controls::Choose(window->findChild<QComboBox*>(QStringLiteral("zoomList")), 200);
    return window;
});

}  // namespace

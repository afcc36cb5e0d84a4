#include "rfid/RfidConfigForm.h"
#include "screens/Screens.h"
#include "support/TestRig.h"

namespace {

// The configuration form after a Get: every setting filled and open for editing.
TAGWELL_SCENE("rfid_config", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    const char* const answers[] = {"GEN2\r\n", "16\r\n",   "600\r\n", "3\r\n",
                                   "2\r\n",    "1234\r\n", "7\r\n"};
    for (int item = 1; item <= 7; ++item) {
        rig.link.Answer(">RFI," + QByteArray::number(item) + '\r', answers[item - 1]);
    }
    auto form = std::make_unique<RfidConfigForm>(rig.Context());
    form->Get();
    rig.messages.Clear();
    return form;
});

// As it opens: nothing read, the settings locked.
TAGWELL_SCENE("rfid_config_unread", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    return std::make_unique<RfidConfigForm>(rig.Context());
});

}  // namespace

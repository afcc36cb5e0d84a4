#include "settings/LanguageSwitches.h"

namespace {

using Switch = SettingsProtocol::MemorySwitch;

}  // namespace

bool LanguageSwitches::Get(Fields& fields) {
    fields = {};
    const SettingsProtocol::SwitchReply codePage =
        protocol_.ReadSwitch(Switch::CodePage, SettingsProtocol::kLanguageSwitchPauseMs);
    const SettingsProtocol::SwitchReply characterSet = protocol_.ReadSwitch(
        Switch::SpeedAndCharacterSet, SettingsProtocol::kLanguageSwitchPauseMs);
    if (codePage.received) {
        fields.codePage = codePage.value;
    }
    if (characterSet.received) {
        fields.characterSet = characterSet.value;
    }
    return codePage.received && characterSet.received;
}

bool LanguageSwitches::Set(std::uint8_t codePage, std::uint8_t characterSet) {
    return protocol_.WriteSwitch(Switch::CodePage, codePage, false) &&
           protocol_.WriteSwitch(Switch::SpeedAndCharacterSet, characterSet, false);
}

#include "settings/PrintSpeedTable.h"

#include <QCoreApplication>
#include <vector>

namespace {

struct SpeedList {
    std::vector<const char*> entries;  // positions 1..
    std::vector<std::uint8_t> codes;   // their codes
};

// The M43 and R45 start at the second code: their slowest speed is 70 mm/s.
const SpeedList& ListFor(int modelIndex) {
    static const SpeedList full{{QT_TRANSLATE_NOOP("PrintSpeedTable", "3 inch/s"),
                                 QT_TRANSLATE_NOOP("PrintSpeedTable", "4 inch/s"),
                                 QT_TRANSLATE_NOOP("PrintSpeedTable", "5 inch/s"),
                                 QT_TRANSLATE_NOOP("PrintSpeedTable", "6 inch/s"),
                                 QT_TRANSLATE_NOOP("PrintSpeedTable", "7 inch/s"),
                                 QT_TRANSLATE_NOOP("PrintSpeedTable", "8 inch/s")},
                                {0x20, 0x40, 0x60, 0x80, 0xA0, 0xC0}};
    static const SpeedList threeSpeeds{{full.entries[0], full.entries[1], full.entries[2]},
                                       {0x20, 0x40, 0x60}};
    static const SpeedList fourSpeeds{
        {full.entries[0], full.entries[1], full.entries[2], full.entries[3]},
        {0x20, 0x40, 0x60, 0x80}};
    static const SpeedList metric{{QT_TRANSLATE_NOOP("PrintSpeedTable", "70 mm/s"),
                                   QT_TRANSLATE_NOOP("PrintSpeedTable", "85 mm/s"),
                                   QT_TRANSLATE_NOOP("PrintSpeedTable", "100 mm/s")},
                                  {0x40, 0x60, 0x80}};
    static const SpeedList slow{
        {QT_TRANSLATE_NOOP("PrintSpeedTable", "2 inch/s"),
         QT_TRANSLATE_NOOP("PrintSpeedTable", "2.5 inch/s"), full.entries[0], full.entries[1]},
        {0x20, 0x40, 0x60, 0x80}};
    switch (modelIndex) {
        case 1:
            return threeSpeeds;
        case 2:
        case 4:
        case 6:
            return fourSpeeds;
        case 3:
        case 5:
            return metric;
        case 7:
            return slow;
        default:
            return full;
    }
}

}  // namespace

std::vector<PrintSpeedTable::Speed> PrintSpeedTable::Entries(int modelIndex) {
    std::vector<Speed> entries{
        {QCoreApplication::translate("PrintSpeedTable", "Default"), kDefaultCode}};
    const SpeedList& list = ListFor(modelIndex);
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        entries.push_back(
            {QCoreApplication::translate("PrintSpeedTable", list.entries[i]), list.codes[i]});
    }
    return entries;
}

std::uint8_t PrintSpeedTable::CodeOf(int modelIndex, std::uint8_t byte) {
    const std::uint8_t code = byte & kSpeedBits;
    for (const std::uint8_t listed : ListFor(modelIndex).codes) {
        if (listed == code) {
            return code;
        }
    }
    return kDefaultCode;
}

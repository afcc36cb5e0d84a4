#pragma once

#include <string>

#include "sim/ImageState.h"
#include "sim/LabelState.h"
#include "sim/MediaState.h"
#include "sim/RawData.h"
#include "sim/RfidState.h"
#include "sim/SettingsState.h"
#include "sim/StatusState.h"

namespace sim {

// Everything the simulated printer remembers. Command handlers read and change it while the
// Printer holds its lock; add the fields a new command family needs here, with their defaults.
struct PrinterState {
    std::string modelName = "QX-M43";  // answered to the model query, any text
    LabelState labels;                 // labels built and printed
    ImageState images;                 // pictures in the image memory
    SettingsState settings;            // switches, user values, identification texts
    MediaState media;                  // the media under the sensor, the stored calibration
    StatusState status;                // what the status requests report
    RfidState rfid;                    // the RFID encoder and the tag in its field
    RawData raw;                       // bytes outside any known command (a file sent as it is)
};

}  // namespace sim

#pragma once

#include "sim/CommandTable.h"

namespace sim {

// The command families of the simulated printer. A family lives in its own file
// (sim/<Family>Commands.cpp) and adds its handlers to the table; to add one, declare its Add
// function here and call it in StandardCommands().
void AddInfoCommands(CommandTable& table);      // "^PI" information queries
void AddLabelCommands(CommandTable& table);     // label command lines and the print command P
void AddImageCommands(CommandTable& table);     // "IS", "ID", "II", "IR" image memory
void AddSettingsCommands(CommandTable& table);  // "^MB" settings, "^SA", "SA", "TA"
void AddMediaCommands(CommandTable& table);     // "^MX" sensing and calibration
void AddStatusCommands(CommandTable& table);    // "^cp", "^cu", "CPS", "^ee"
void AddRfidCommands(CommandTable& table);      // ">RF" RFID encoder

// Every family, built once.
const CommandTable& StandardCommands();

}  // namespace sim

#include "sim/CommandFamilies.h"

namespace sim {

namespace {

CommandTable BuildStandardCommands() {
    CommandTable table;
    AddInfoCommands(table);
    AddLabelCommands(table);
    AddImageCommands(table);
    AddSettingsCommands(table);
    AddMediaCommands(table);
    AddStatusCommands(table);
    AddRfidCommands(table);
    return table;
}

}  // namespace

const CommandTable& StandardCommands() {
    static const CommandTable table = BuildStandardCommands();
    return table;
}

}  // namespace sim

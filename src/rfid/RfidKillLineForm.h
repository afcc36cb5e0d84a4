#pragma once

#include "tester/BuilderForm.h"

class RfidKillBuilder;

// "RFID Kill": the tester's form of a RfidKillBuilder; it has only its buttons.
class RfidKillLineForm : public BuilderForm {
    Q_OBJECT
public:
    RfidKillLineForm(RfidKillBuilder& builder, const ToolContext& context,
                     QWidget* parent = nullptr);
};

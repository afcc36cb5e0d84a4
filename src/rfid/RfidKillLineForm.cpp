#include "rfid/RfidKillLineForm.h"

#include <QVBoxLayout>

#include "rfid/RfidKillBuilder.h"

RfidKillLineForm::RfidKillLineForm(RfidKillBuilder& builder, const ToolContext& context,
                                   QWidget* parent)
    : BuilderForm(builder, context, parent) {
    setWindowTitle(tr("RFID Kill"));
    Arrange(new QVBoxLayout, {}, false);
}

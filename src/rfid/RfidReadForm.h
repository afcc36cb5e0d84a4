#pragma once

#include <QDialog>

#include "forms/ToolContext.h"
#include "rfid/RfidProtocol.h"
#include "rfid/TagCells.h"

class DataCellGrid;
class TagAreaControls;

// Reads up to 64 bytes of a tag through the printer's encoder into a grid of cells, or has the
// printer print them.
class RfidReadForm : public QDialog {
    Q_OBJECT
public:
    explicit RfidReadForm(const ToolContext& context, QWidget* parent = nullptr);

    void Read();
    void Print();

private:
    void ReadForm();
    void ShowFields();

    ToolContext context_;
    RfidProtocol protocol_;
    TagArea area_;
    TagCells::Texts cells_;

    TagAreaControls* areaControls_ = nullptr;
    DataCellGrid* grid_ = nullptr;
};

#pragma once

#include "tester/BuilderForm.h"

class DataCellGrid;
class RfidWriteBuilder;

// "RFID Write": the tester's form of a RfidWriteBuilder. The data type and the range are chosen
// first ("Set Data"); then the cells of that range take the data, one byte per cell.
class RfidWriteLineForm : public BuilderForm {
    Q_OBJECT
public:
    RfidWriteLineForm(RfidWriteBuilder& builder, const ToolContext& context,
                      QWidget* parent = nullptr);

    void SetData();
    void ResetData();
    // Inserts only a range that fits the cells and data the command can carry.
    void accept() override;

protected:
    bool ReadForm() override;

private:
    void Refresh();
    // The cells of the stored range open for typing; the choices closed until "Reset Data".
    void LayOutCells();
    // Every cell closed; the choices open.
    void FreeCells();
    void CellEdited(int number);
    void SetChoicesEnabled(bool enabled);
    // Message 198, an information box here.
    bool RangeFits();

    RfidWriteBuilder& builder_;
    QComboBox* typeList_ = nullptr;
    QComboBox* startList_ = nullptr;
    QComboBox* countList_ = nullptr;
    DataCellGrid* grid_ = nullptr;
    QPushButton* setDataButton_ = nullptr;
    QPushButton* resetDataButton_ = nullptr;
};

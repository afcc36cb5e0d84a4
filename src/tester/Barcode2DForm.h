#pragma once

#include "tester/Barcode2DBuilder.h"
#include "tester/BuilderForm.h"

class QLabel;
class QLineEdit;

// "2D Barcode Command": the form of a Barcode2DBuilder, laid out like the B2 command. It reshapes
// itself for the kind chosen: it relabels and refills the mode and error correction lists and
// enables only the fields the kind writes (the others keep their values).
class Barcode2DForm : public BuilderForm {
    Q_OBJECT
public:
    Barcode2DForm(Barcode2DBuilder& builder, const ToolContext& context, QWidget* parent = nullptr);

private:
    void KindChosen();
    void ModeChosen();
    void EclChosen();
    // Shapes the form for the builder's kind and shows every field.
    void Show();
    void Shape(Barcode2DBuilder::Kind kind);
    // Chooses an entry while the form changes itself, which is no choice of the person's.
    void Reselect(QComboBox* list, const QVariant& value);

    Barcode2DBuilder& builder_;
    // Set while the form changes its own lists.
    bool showing_ = false;
    QLineEdit* letterField_;
    QComboBox* kindList_;
    QComboBox* modeList_;
    QComboBox* eclList_;
    StepField* barField_;
    QLabel* modeLabel_ = nullptr;
    QLabel* eclLabel_ = nullptr;
    QLabel* barLabel_ = nullptr;
    // Each control a kind may leave unused, with its caption.
    struct Part {
        QLabel* caption;
        QWidget* field;
    };
    Part mode_{}, maxRow_{}, maxCol_{}, ecl_{}, compress_{}, hri_{}, origin_{}, moduleWidth_{},
        bar_{}, rotation_{};
};

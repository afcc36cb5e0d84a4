#include "tester/VectorTextForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "tester/CommandLayout.h"
#include "tester/StepField.h"
#include "tester/VectorTextBuilder.h"

VectorTextForm::VectorTextForm(VectorTextBuilder& builder, const ToolContext& context,
                               FormRunner run, QWidget* parent)
    : BuilderForm(builder, context, std::move(run), parent) {
    setWindowTitle(tr("Vector Text Command"));
    // Positions, sizes and spacing have no range check beyond their step controls.
    VectorTextBuilder::Fields& f = builder.fields;
    CommandLayout command(this, QStringLiteral("V"));
    command.Add(tr("X Pos"), Bind(Step("xField", 0, 1000), f.x));
    command.Add(tr("Y Pos"), Bind(Step("yField", 0, 1000), f.y));
    command.Add(tr("Font"), Bind(List("fontList", VectorTextBuilder::Fonts()), f.font));
    command.Add(tr("Width"), Bind(Step("widthField", 1, 100), f.width));
    command.Add(tr("Height"), Bind(Step("heightField", 1, 100), f.height));
    command.Add(tr("Font Space"), Bind(Step("spacingField", -100, 100), f.spacing));
    command.Add(tr("Bold"), Bind(List("boldList", VectorTextBuilder::Bolds()), f.bold));
    command.Add(tr("Reverse"), Bind(List("reverseList", VectorTextBuilder::Reverses()), f.reverse));
    command.Add(tr("Italic"), Bind(List("italicList", VectorTextBuilder::Italics()), f.italic));
    command.EndRow();
    command.Add(tr("Rotation"),
                Bind(List("rotationList", VectorTextBuilder::Rotations()), f.rotation));
    command.Add(
        tr("Justification"),
        Bind(List("justificationList", VectorTextBuilder::Justifications()), f.justification));
    command.Add(tr("Text Direction"),
                Bind(List("directionList", VectorTextBuilder::Directions()), f.direction));
    command.AddData(Bind(TextField("dataField"), f.data));

    Arrange(command.Layout(), {ConvertButton()});
}

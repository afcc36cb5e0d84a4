#include "tester/VectorTextForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "tester/CommandLayout.h"
#include "tester/StepField.h"
#include "tester/VectorTextBuilder.h"

VectorTextForm::VectorTextForm(VectorTextBuilder& builder, const ToolContext& context,
                               QWidget* parent)
    : BuilderForm(builder, context, parent) {
    setWindowTitle(tr("Vector Text Command"));
    const auto list = [this](const char* name, const std::vector<Controls::Entry<char>>& entries) {
        return Controls::List(this, QLatin1String(name), entries);
    };
    // Positions, sizes and spacing have no range check beyond their step controls.
    torq::VectorText& f = builder.fields;
    CommandLayout command(this, QStringLiteral("V"));
    command.Add(tr("X Pos"), Bind(StepField::Make(this, "xField", 0, 1000), f.x));
    command.Add(tr("Y Pos"), Bind(StepField::Make(this, "yField", 0, 1000), f.y));
    command.Add(tr("Font"), Bind(list("fontList", Letters("U")), f.font));
    command.Add(tr("Width"), Bind(StepField::Make(this, "widthField", 1, 100), f.width));
    command.Add(tr("Height"), Bind(StepField::Make(this, "heightField", 1, 100), f.height));
    command.Add(tr("Font Space"),
                Bind(StepField::Make(this, "spacingField", -100, 100), f.spacing));
    command.Add(tr("Bold"), Bind(list("boldList", {{tr("None"), 'N'}, {tr("Bold"), 'B'}}), f.bold));
    command.Add(tr("Reverse"),
                Bind(list("reverseList", {{tr("None"), 'N'}, {tr("Reverse"), 'R'}}), f.reverse));
    command.Add(tr("Italic"),
                Bind(list("italicList", {{tr("None"), 'N'}, {tr("Italic"), 'I'}}), f.italic));
    command.EndRow();
    command.Add(
        tr("Rotation"),
        Bind(Controls::List(this, QStringLiteral("rotationList"), Rotations()), f.rotation));
    command.Add(tr("Justification"),
                Bind(list("justificationList",
                          {{tr("Right"), 'R'}, {tr("Center"), 'C'}, {tr("Left"), 'L'}}),
                     f.justification));
    const std::vector<Controls::Entry<int>> directions = {{tr("Left to Right"), 0},
                                                          {tr("Right to Left"), 1}};
    command.Add(
        tr("Text Direction"),
        Bind(Controls::List(this, QStringLiteral("directionList"), directions), f.direction));
    command.AddData(Bind(Controls::Field(this, "dataField"), f.data));

    Arrange(command.Layout(), {ConvertButton()});
}

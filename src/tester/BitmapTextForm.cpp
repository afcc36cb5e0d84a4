#include "tester/BitmapTextForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "tester/BitmapTextBuilder.h"
#include "tester/CommandLayout.h"
#include "tester/FontFinderForm.h"
#include "tester/StepField.h"

namespace {

// The step controls reach 1000; the command takes positions up to 999.
constexpr int kStepHigh = 1000;
constexpr double kPositionHigh = 999;

}  // namespace

BitmapTextForm::BitmapTextForm(BitmapTextBuilder& builder, const ToolContext& context,
                               QWidget* parent)
    : BuilderForm(builder, context, parent) {
    setWindowTitle(tr("Bitmap Text Command"));
    torq::BitmapText& f = builder.fields;
    CommandLayout command(this, QStringLiteral("T"));
    command.Add(tr("X Pos"),
                Bind(StepField::Make(this, "xField", 0, kStepHigh), f.x, 0, kPositionHigh));
    command.Add(tr("Y Pos"),
                Bind(StepField::Make(this, "yField", 0, kStepHigh), f.y, 0, kPositionHigh));
    command.Add(tr("Font"),
                Bind(Controls::List(this, QStringLiteral("fontList"), Letters("0123456789abcdef")),
                     f.font));
    command.Add(tr("H Multi"), Bind(StepField::Make(this, "hMultiField", 1, 4), f.hMulti));
    command.Add(tr("V Multi"), Bind(StepField::Make(this, "vMultiField", 1, 4), f.vMulti));
    command.Add(tr("Space_R"), Bind(StepField::Make(this, "spacingField", 0, 100), f.spacing));
    command.Add(
        tr("Rotation"),
        Bind(Controls::List(this, QStringLiteral("rotationList"), Rotations()), f.rotation));
    command.Add(
        tr("Reverse"),
        Bind(Controls::List(this, QStringLiteral("reverseList"), Letters("NR")), f.reverse));
    command.Add(tr("Bold"),
                Bind(Controls::List(this, QStringLiteral("boldList"), Letters("NB")), f.bold));
    command.AddData(Bind(Controls::Field(this, "dataField"), f.data));

    QPushButton* findFont =
        Controls::Button(this, tr("Find Font"), QStringLiteral("findFontButton"), this,
                         &BitmapTextForm::OpenFontFinder);
    Arrange(command.Layout(), {findFont, ConvertButton()});
}

void BitmapTextForm::OpenFontFinder() {
    FontFinderForm finder(Context(), this);
    Context().run(finder);
}

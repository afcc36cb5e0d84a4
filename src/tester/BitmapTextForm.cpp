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
                               FormRunner run, QWidget* parent)
    : BuilderForm(builder, context, std::move(run), parent) {
    setWindowTitle(tr("Bitmap Text Command"));
    BitmapTextBuilder::Fields& f = builder.fields;
    CommandLayout command(this, QStringLiteral("T"));
    command.Add(tr("X Pos"), Bind(Step("xField", 0, kStepHigh), f.x, 0, kPositionHigh));
    command.Add(tr("Y Pos"), Bind(Step("yField", 0, kStepHigh), f.y, 0, kPositionHigh));
    command.Add(tr("Font"), Bind(List("fontList", BitmapTextBuilder::Fonts()), f.font));
    command.Add(tr("H Multi"), Bind(Step("hMultiField", 1, 4), f.hMulti));
    command.Add(tr("V Multi"), Bind(Step("vMultiField", 1, 4), f.vMulti));
    command.Add(tr("Space_R"), Bind(Step("spacingField", 0, 100), f.spacing));
    command.Add(tr("Rotation"),
                Bind(List("rotationList", BitmapTextBuilder::Rotations()), f.rotation));
    command.Add(tr("Reverse"), Bind(List("reverseList", BitmapTextBuilder::Reverses()), f.reverse));
    command.Add(tr("Bold"), Bind(List("boldList", BitmapTextBuilder::Bolds()), f.bold));
    command.AddData(Bind(TextField("dataField"), f.data));

    QPushButton* findFont = Button(tr("Find Font"), "findFontButton");
    connect(findFont, &QPushButton::clicked, this, &BitmapTextForm::OpenFontFinder);
    Arrange(command.Layout(), {findFont, ConvertButton()});
}

void BitmapTextForm::OpenFontFinder() {
    FontFinderForm finder(Context(), this);
    Run()(finder);
}

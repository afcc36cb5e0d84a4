#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "screens/Screens.h"
#include "support/TestRig.h"
#include "tester/ConvertUnitForm.h"
#include "tester/FontFinderForm.h"
#include "tester/StepField.h"
#include "tester/TesterForms.h"
#include "tester/TesterWindow.h"

namespace {

// A builder's form as the tester opens it first, with the builder living as long as the form.
std::unique_ptr<QWidget> BuilderScene(TestRig& rig, TesterButton button) {
    const BuilderEntry entry = StandardTesterForms().builders.at(button);
    CommandBuilder* builder = entry.builder().release();
    builder->BeginOpening(CommandBuilder::Opening::First);
    std::unique_ptr<QDialog> form = entry.form(*builder, rig.Context(), nullptr);
    QObject::connect(form.get(), &QObject::destroyed, [builder] { delete builder; });
    return form;
}

TAGWELL_SCENE("tester", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto window = std::make_unique<TesterWindow>(rig.Context());
    window->SetEditorBytes(
        "SS3\r\nSD20\r\nSOT\r\nSW812\r\nSL1219,24,G\r\n"
        "T20,20,3,1,1,0,0,N,N,'KORVALE Label Printer'\r\n"
        "V20,80,U,35,35,1,N,N,N,0,L,0,'A long line of the vector font that the editor wraps on "
        "screen only, without adding any character to what is sent'\r\n"
        "BD100,100,800,120,O\r\nP1\r\n");
    window->findChild<StepField*>(QStringLiteral("countField"))->SetText(QStringLiteral("3"));
    window->MultiSend();
    return window;
});

TAGWELL_SCENE("tester_bitmap_text",
              [](TestRig& rig) { return BuilderScene(rig, TesterButton::BitmapText); });

TAGWELL_SCENE("tester_vector_text",
              [](TestRig& rig) { return BuilderScene(rig, TesterButton::VectorText); });

TAGWELL_SCENE("tester_font_finder", [](TestRig& rig) {
    auto form = std::make_unique<FontFinderForm>(rig.Context());
    form->FindMostSimilar();
    form->FindSimilarAndRound();
    return form;
});

TAGWELL_SCENE("tester_convert_unit", [](TestRig& rig) {
    auto form = std::make_unique<ConvertUnitForm>(rig.Context());
    form->findChild<QRadioButton*>(QStringLiteral("directionRadio1"))->click();
    form->findChild<QLineEdit*>(QStringLiteral("inputField"))->setText(QStringLiteral("4"));
    form->ConvertValue();
    return form;
});

}  // namespace

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "screens/Screens.h"
#include "support/TestRig.h"
#include "tester/BitmapTextBuilder.h"
#include "tester/ConvertUnitForm.h"
#include "tester/FontFinderForm.h"
#include "tester/StepField.h"
#include "tester/TesterWindow.h"
#include "tester/VectorTextBuilder.h"

namespace {

// A builder's form, with the builder living as long as the form.
template <typename Builder>
std::unique_ptr<QWidget> BuilderScene(TestRig& rig) {
    auto* builder = new Builder;
    std::unique_ptr<QDialog> form = builder->MakeForm(rig.Context(), RunModal, nullptr);
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
              [](TestRig& rig) { return BuilderScene<BitmapTextBuilder>(rig); });

TAGWELL_SCENE("tester_vector_text",
              [](TestRig& rig) { return BuilderScene<VectorTextBuilder>(rig); });

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

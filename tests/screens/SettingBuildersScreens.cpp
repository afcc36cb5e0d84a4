#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "screens/Screens.h"
#include "support/TestRig.h"
#include "tester/LabelSettingBuilder.h"
#include "tester/LabelSettingForm.h"
#include "tester/PrintingSettingBuilder.h"
#include "tester/PrintingSettingForm.h"

namespace {

// A form over a builder that lives as long as the form.
template <typename Builder, typename Form>
std::unique_ptr<Form> Over(TestRig& rig, Builder* builder) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto form = std::make_unique<Form>(*builder, rig.Context(), nullptr);
    QObject::connect(form.get(), &QObject::destroyed, [builder] { delete builder; });
    return form;
}

TAGWELL_SCENE("tester_printing_setting", [](TestRig& rig) {
    return Over<PrintingSettingBuilder, PrintingSettingForm>(rig, new PrintingSettingBuilder);
});

TAGWELL_SCENE("tester_printing_setting_changed", [](TestRig& rig) {
    auto* builder = new PrintingSettingBuilder;
    builder->speed = 1;
    builder->density = 8;
    builder->applyDensity = false;
    builder->direction = torq::Direction::Bottom;
    return Over<PrintingSettingBuilder, PrintingSettingForm>(rig, builder);
});

TAGWELL_SCENE("tester_label_setting", [](TestRig& rig) {
    return Over<LabelSettingBuilder, LabelSettingForm>(rig, new LabelSettingBuilder);
});

TAGWELL_SCENE("tester_label_setting_dots", [](TestRig& rig) {
    auto form = Over<LabelSettingBuilder, LabelSettingForm>(rig, new LabelSettingBuilder);
    form->findChild<QRadioButton*>(QStringLiteral("continuousRadio"))->click();
    form->findChild<QRadioButton*>(QStringLiteral("dotsRadio"))->click();
    return form;
});

}  // namespace

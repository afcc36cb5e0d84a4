#include <QCheckBox>
#include <QComboBox>

#include "screens/Screens.h"
#include "support/TestRig.h"
#include "tester/Barcode1DBuilder.h"
#include "tester/Barcode1DForm.h"
#include "tester/Barcode2DBuilder.h"
#include "tester/Barcode2DForm.h"

namespace {

// A form with the builder living as long as the form.
template <typename Builder, typename Form>
std::unique_ptr<QWidget> Scene(TestRig& rig, const std::function<void(Form&)>& fill) {
    auto* builder = new Builder;
    auto form = std::make_unique<Form>(*builder, rig.Context(), nullptr);
    QObject::connect(form.get(), &QObject::destroyed, [builder] { delete builder; });
    fill(*form);
    return form;
}

std::unique_ptr<QWidget> Scene2D(TestRig& rig, int kind) {
    return Scene<Barcode2DBuilder, Barcode2DForm>(rig, [kind](Barcode2DForm& form) {
        form.findChild<QComboBox*>(QStringLiteral("kindList"))->setCurrentIndex(kind);
    });
}

TAGWELL_SCENE("tester_barcode_1d", [](TestRig& rig) {
    return Scene<Barcode1DBuilder, Barcode1DForm>(rig, [](Barcode1DForm& form) {
        form.findChild<QComboBox*>(QStringLiteral("symbologyList"))->setCurrentIndex(9);
        form.findChild<QCheckBox*>(QStringLiteral("quietZoneCheck"))->setChecked(true);
    });
});

TAGWELL_SCENE("tester_barcode_2d_maxicode", [](TestRig& rig) { return Scene2D(rig, 0); });
TAGWELL_SCENE("tester_barcode_2d_pdf417", [](TestRig& rig) { return Scene2D(rig, 1); });
TAGWELL_SCENE("tester_barcode_2d_qrcode", [](TestRig& rig) { return Scene2D(rig, 2); });

}  // namespace

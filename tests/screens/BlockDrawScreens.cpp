#include <QComboBox>

#include "screens/Screens.h"
#include "support/TestRig.h"
#include "tester/BlockDrawBuilder.h"
#include "tester/BlockDrawForm.h"
#include "tester/PrintingCopiesBuilder.h"
#include "tester/PrintingCopiesForm.h"

namespace {

// A form with its builder, which lives as long as the form.
template <typename Builder, typename Form>
std::unique_ptr<Form> WithBuilder(TestRig& rig) {
    auto* builder = new Builder;
    builder->BeginOpening(CommandBuilder::Opening::First);
    auto form = std::make_unique<Form>(*builder, rig.Context());
    QObject::connect(form.get(), &QObject::destroyed, [builder] { delete builder; });
    return form;
}

TAGWELL_SCENE("tester_block_draw", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    return WithBuilder<BlockDrawBuilder, BlockDrawForm>(rig);
});

// A box: "Optional" in use.
TAGWELL_SCENE("tester_block_draw_box", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    auto form = WithBuilder<BlockDrawBuilder, BlockDrawForm>(rig);
    form->findChild<QComboBox*>(QStringLiteral("kindList"))->setCurrentIndex(4);
    return form;
});

TAGWELL_SCENE("tester_printing_copies", [](TestRig& rig) {
    rig.ConnectAndClear(QStringLiteral("COM1:"));
    return WithBuilder<PrintingCopiesBuilder, PrintingCopiesForm>(rig);
});

}  // namespace

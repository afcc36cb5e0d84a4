// What assistive technology sees of the tester's own controls: step fields as spin boxes with a
// value and step actions, value labels read as their value.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QTest>
#include <optional>

#include "support/TestRig.h"
#include "support/Widgets.h"
#include "tester/ConvertUnitForm.h"
#include "tester/FontFinderForm.h"
#include "tester/StepField.h"
#include "tester/TesterWindow.h"

namespace {

QAccessibleInterface* Accessible(QWidget* widget) {
    QAccessible::setActive(true);
    return QAccessible::queryAccessibleInterface(widget);
}

TEST(StepFieldAccessibility, ReportsTheWholeNumberShownAndTheRange) {
    struct Case {
        int low;
        int high;
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {.low = 0, .high = 10000, .text = "1", .value = 1},
        {.low = -100, .high = 100, .text = "-5.7", .value = -5},
        {.low = 1, .high = 4, .text = "20.9", .value = 20},
        {.low = 0, .high = 100, .text = "", .value = std::nullopt},
        {.low = 0, .high = 100, .text = "abc", .value = std::nullopt},
    };
    for (const Case& c : cases) {
        StepField field(c.low, c.high);
        field.SetText(QLatin1String(c.text));
        QAccessibleInterface* accessible = Accessible(&field);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::SpinBox) << c.text;
        EXPECT_EQ(accessible->text(QAccessible::Value), QLatin1String(c.text));
        QAccessibleValueInterface* value = accessible->valueInterface();
        ASSERT_NE(value, nullptr);
        if (c.value) {
            EXPECT_EQ(value->currentValue().toDouble(), *c.value) << c.text;
        } else {
            EXPECT_FALSE(value->currentValue().isValid()) << c.text;
        }
        EXPECT_EQ(value->minimumValue().toInt(), c.low) << c.text;
        EXPECT_EQ(value->maximumValue().toInt(), c.high) << c.text;
    }
}

TEST(StepFieldAccessibility, IncreaseAndDecreaseStepLikeTheArrows) {
    struct Case {
        int low;
        int high;
        const char* text;
        const char* increased;
        const char* decreased;
    };
    const Case cases[] = {
        {.low = 0, .high = 10000, .text = "1", .increased = "2", .decreased = "0"},
        {.low = 1, .high = 4, .text = "4", .increased = "1", .decreased = "3"},
        {.low = 1, .high = 4, .text = "1", .increased = "2", .decreased = "4"},
        {.low = -100, .high = 100, .text = "-5.7", .increased = "-4", .decreased = "-6"},
        {.low = 1, .high = 4, .text = "", .increased = "2", .decreased = "4"},
        {.low = 0, .high = 100, .text = "500", .increased = "0", .decreased = "100"},
    };
    for (const Case& c : cases) {
        for (const auto& [action, key, expected] :
             {std::tuple{QAccessibleActionInterface::increaseAction(), Qt::Key_Up, c.increased},
              std::tuple{QAccessibleActionInterface::decreaseAction(), Qt::Key_Down,
                         c.decreased}}) {
            StepField byAction(c.low, c.high);
            StepField byArrow(c.low, c.high);
            byAction.SetText(QLatin1String(c.text));
            byArrow.SetText(QLatin1String(c.text));
            QAccessibleActionInterface* actions = Accessible(&byAction)->actionInterface();
            ASSERT_NE(actions, nullptr);
            EXPECT_TRUE(actions->actionNames().contains(action));
            actions->doAction(action);
            QTest::keyClick(&byArrow, key);
            EXPECT_EQ(byAction.Text(), QLatin1String(expected)) << c.text << " " << expected;
            EXPECT_EQ(byArrow.Text(), QLatin1String(expected)) << c.text << " " << expected;
        }
    }
}

TEST(StepFieldAccessibility, SettingTheValueShowsTheNumberUnlessTheFieldIsDisabled) {
    struct Case {
        QVariant value;
        bool enabled;
        const char* shown;
    };
    const Case cases[] = {
        {.value = 7, .enabled = true, .shown = "7"},
        {.value = 2.5, .enabled = true, .shown = "2.5"},
        {.value = QStringLiteral("-12"), .enabled = true, .shown = "-12"},
        {.value = QStringLiteral("twelve"), .enabled = true, .shown = "3"},
        {.value = 7, .enabled = false, .shown = "3"},
    };
    for (const Case& c : cases) {
        StepField field(0, 100);
        field.SetText(QStringLiteral("3"));
        field.setEnabled(c.enabled);
        QAccessibleInterface* accessible = Accessible(&field);
        accessible->valueInterface()->setCurrentValue(c.value);
        EXPECT_EQ(field.Text(), QLatin1String(c.shown)) << c.value.toString().toStdString();
        // A disabled field does not step either.
        accessible->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
        if (!c.enabled) {
            EXPECT_EQ(field.Text(), QLatin1String(c.shown));
        }
    }
}

TEST(ValueLabelAccessibility, AValueLabelIsReadAsItsValueEvenWhenEmpty) {
    TestRig rig;
    FontFinderForm fontFinder(rig.Context());
    ConvertUnitForm convertUnit(rig.Context());
    TesterWindow tester(rig.Context());
    const std::pair<QWidget*, const char*> labels[] = {
        {&fontFinder, "mostFont"},        {&fontFinder, "mostXMulti"},
        {&fontFinder, "mostYMulti"},      {&fontFinder, "roundFont"},
        {&fontFinder, "roundXMulti"},     {&fontFinder, "roundYMulti"},
        {&convertUnit, "inputUnitLabel"}, {&convertUnit, "resultUnitLabel"},
        {&tester, "sentCounter"},
    };
    for (const auto& [form, name] : labels) {
        auto* label = Find<QLabel>(*form, name);
        ASSERT_NE(label, nullptr);
        QAccessibleInterface* accessible = Accessible(label);
        label->setText(QStringLiteral("12"));
        EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("12")) << name;
        label->clear();
        EXPECT_EQ(accessible->text(QAccessible::Name), QString()) << name;
    }
    // Font Finder's captions label their answers (beside the group's title).
    QStringList captions;
    for (const auto& [other, relation] :
         Accessible(Find<QLabel>(fontFinder, "roundXMulti"))->relations(QAccessible::Label)) {
        captions << other->text(QAccessible::Name);
    }
    EXPECT_TRUE(captions.contains(QStringLiteral("X Multi :")))
        << captions.join(u',').toStdString();
}

}  // namespace

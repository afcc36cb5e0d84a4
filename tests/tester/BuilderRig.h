#pragma once

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDialog>
#include <QList>
#include <functional>
#include <initializer_list>
#include <memory>

#include "support/TestRig.h"
#include "support/Widgets.h"
#include "tester/CommandBuilder.h"
#include "tester/FormScript.h"
#include "tester/StepField.h"

// A builder's form as the tester makes it, over a rig connected on a serial port. The builder
// outlives its forms, as in the tester's cycle; forms the form opens (Convert Unit) meet the
// script.
template <typename Builder, typename Form>
struct BuilderRig {
    BuilderRig() {
        rig.ConnectAndClear(QStringLiteral("COM1:"));
        Open(CommandBuilder::Opening::First);
    }
    void Open(CommandBuilder::Opening opening) {
        form.reset();
        builder.BeginOpening(opening);
        ToolContext context = rig.Context();
        context.run = script.Runner();
        form = std::make_unique<Form>(builder, context, nullptr);
    }
    // After an insertion: the tester makes a new form over the same builder.
    void Reopen() { Open(CommandBuilder::Opening::Again); }

    template <typename T = QWidget>
    T* Get(const char* name) {
        return Find<T>(*form, name);
    }
    StepField* Step(const char* name) { return Get<StepField>(name); }
    QComboBox* List(const char* name) { return Get<QComboBox>(name); }
    bool Enabled(const char* name) { return Get(name)->isEnabled(); }
    void Press(const char* name) { Click(*form, name); }
    // "Insert to label": the lines handed to the tester.
    QList<QByteArray> Inserted() {
        Press("insertButton");
        EXPECT_EQ(form->result(), QDialog::Accepted);
        return builder.Lines();
    }

    TestRig rig;
    FormScript script;
    Builder builder;
    std::unique_ptr<Form> form;
};

// A change made on a fresh form, and the line the form then composes.
template <typename Rig>
struct ComposeCase {
    const char* what;
    std::function<void(Rig&)> change;
    QByteArray line;
};

// "Test Print" sends the line and P1 in one write; "Insert to label" hands the same line over.
template <typename Rig>
void ExpectComposes(std::initializer_list<ComposeCase<Rig>> cases) {
    for (const ComposeCase<Rig>& c : cases) {
        Rig b;
        c.change(b);
        b.Press("testPrintButton");
        ASSERT_EQ(b.rig.link.writes.size(), 1u) << c.what;
        EXPECT_EQ(b.rig.link.writes[0], c.line + "\rP1\r") << c.what;
        b.Press("insertButton");
        EXPECT_EQ(b.form->result(), QDialog::Accepted) << c.what;
        EXPECT_EQ(b.builder.Lines(), QList<QByteArray>{c.line}) << c.what;
        EXPECT_TRUE(b.rig.messages.entries.empty()) << c.what;
    }
}

// A field holding what it cannot take, and the message that says so.
struct WrongField {
    const char* field;
    const char* text;
    const char* message;
};

// Each wrong field stops "Test Print", "Insert to label" and "Close" with its message: nothing is
// sent, the form stays open with the text as typed, and no field of the builder changes.
// `prepare` brings a fresh form to the state in which every field counts.
template <typename Rig>
void ExpectWrongFieldsStop(std::initializer_list<WrongField> cases,
                           const std::function<void(Rig&)>& prepare = {}) {
    for (const WrongField& c : cases) {
        for (const char* button : {"testPrintButton", "insertButton", "closeButton"}) {
            Rig b;
            b.form->show();
            if (prepare) {
                prepare(b);
            }
            const QList<QByteArray> before = b.builder.Lines();
            Type(b.Step(c.field), QLatin1String(c.text));
            b.Press(button);
            EXPECT_EQ(b.rig.messages.Warnings(), QStringList{QLatin1String(c.message)})
                << c.field << " " << button;
            EXPECT_TRUE(b.rig.link.writes.empty()) << c.field << " " << button;
            EXPECT_NE(b.form->result(), QDialog::Accepted) << c.field << " " << button;
            EXPECT_TRUE(b.form->isVisible()) << c.field << " " << button;
            EXPECT_EQ(b.Step(c.field)->Text(), QLatin1String(c.text)) << c.field;
            EXPECT_EQ(b.builder.Lines(), before) << c.field << " " << button;
        }
    }
}

#pragma once

#include <QByteArray>
#include <QList>

// What a builder form composes for the tester's editor, apart from the form. The builder object
// holds the form's values for one builder cycle: from the press of the tester's button until the
// form is left other than through "Insert to label". The tester:
//   1. creates the builder (its values are the first-opening defaults);
//   2. calls BeginOpening (Opening::First the first time, Opening::Again after an insertion),
//      makes the builder's form (TesterForms) and runs it;
//   3. when the form was accepted ("Insert to label" read the form into the builder's fields),
//      appends Lines() to the end of the editor, each followed by CR LF, and goes back to 2;
//   4. otherwise (Close, Escape) the cycle ends and the builder is discarded.
// A form shows the builder's fields as they are when it is made, so a reopened form shows the
// values of the insertion; a builder that keeps nothing between openings resets its fields in
// BeginOpening.
class CommandBuilder {
public:
    enum class Opening { First, Again };

    virtual ~CommandBuilder() = default;

    // Before each form of the cycle is made. Keeps every field unless a builder says otherwise.
    virtual void BeginOpening(Opening opening) { static_cast<void>(opening); }
    // The command lines of the last "Insert to label", without line ends.
    virtual QList<QByteArray> Lines() const = 0;
    // What the form's "Test Print" sends in one write, from the fields as last read (builders
    // without a "Test Print" send nothing).
    virtual QByteArray TestPrintBytes() const { return {}; }
};

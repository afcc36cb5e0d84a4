#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <memory>

#include "forms/FormRunner.h"

class QDialog;
class QWidget;
struct ToolContext;

// A form that composes command lines for the tester's editor. The builder object holds the
// form's values for one builder cycle: from the press of the tester's button until the form is
// left other than through "Insert to label". The tester:
//   1. creates the builder (its values are the first-opening defaults);
//   2. makes its form and runs it;
//   3. when the form was left through "Insert to label" (`inserted`), appends Lines() to the end
//      of the editor, each followed by CR LF, clears `inserted` and goes back to 2;
//   4. otherwise the cycle ends and the builder is discarded.
// A form made while `reopened` is set shows the values of the previous opening (the builder's
// fields, which its form reads before it sets `inserted`); builders that keep nothing between
// openings reset their fields in MakeForm.
class CommandBuilder {
public:
    virtual ~CommandBuilder() = default;

    // The form over this builder's values, ready to run.
    virtual std::unique_ptr<QDialog> MakeForm(const ToolContext& context, const FormRunner& run,
                                              QWidget* parent) = 0;
    // The command lines of the last "Insert to label", without line ends.
    virtual QList<QByteArray> Lines() const = 0;
    // What the form's "Test Print" sends in one write, from the fields as last read (builders
    // without a "Test Print" send nothing).
    virtual QByteArray TestPrintBytes() const { return {}; }

    bool inserted = false;
    bool reopened = false;

protected:
    // What the entry at `position` of a list writes, given what every entry writes in order ("NB":
    // N for the first, B for the second); a blank when there is no such entry.
    static char Written(QByteArrayView letters, int position) {
        return position >= 0 && position < letters.size() ? letters[position] : ' ';
    }
};

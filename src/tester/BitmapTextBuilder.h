#pragma once

#include <QByteArray>
#include <QStringList>

#include "tester/LineBuilder.h"

// Composes one T command (text in a bitmap font). Its fields are what the form shows; they
// start at the first-opening defaults and keep the values of the last "Insert to label" for the
// rest of the builder cycle.
class BitmapTextBuilder : public LineBuilder {
public:
    struct Fields {
        double x = 20;
        double y = 20;
        int font = 3;  // positions in the lists below
        int hMulti = 1;
        int vMulti = 1;
        int spacing = 0;
        int rotation = 0;
        int reverse = 0;
        int bold = 0;
        QByteArray data = "KORVALE Label Printer";
    };

    // Each entry is the letter it writes; the rotation list is LineBuilder's.
    static const QStringList& Fonts();     // "0" .. "9", "a" .. "f"
    static const QStringList& Reverses();  // "N", "R"
    static const QStringList& Bolds();     // "N", "B"

    std::unique_ptr<QDialog> MakeForm(const ToolContext& context, const FormRunner& run,
                                      QWidget* parent) override;
    QByteArray Line() const override;

    Fields fields;
};

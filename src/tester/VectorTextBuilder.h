#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include "tester/LineBuilder.h"

// Composes one V command (text in the scalable vector font). Its fields keep the values of the
// last "Insert to label" for the rest of the builder cycle.
class VectorTextBuilder : public LineBuilder {
    Q_DECLARE_TR_FUNCTIONS(VectorTextBuilder)
public:
    struct Fields {
        double x = 20;
        double y = 20;
        int font = 0;  // positions in the lists below
        int width = 35;
        int height = 35;
        int spacing = 1;
        int bold = 0;
        int reverse = 0;
        int italic = 0;
        int rotation = 0;
        int justification = 2;
        int direction = 0;
        QByteArray data = "KORVALE Label Printer";
    };

    // The lists as shown; what each entry writes is fixed by its position.
    static QStringList Fonts();           // "U"
    static QStringList Bolds();           // "None" N, "Bold" B
    static QStringList Reverses();        // "None" N, "Reverse" R
    static QStringList Italics();         // "None" N, "Italic" I
    static QStringList Justifications();  // "Right" R, "Center" C, "Left" L
    static QStringList Directions();      // "Left to Right" 0, "Right to Left" 1

    std::unique_ptr<QDialog> MakeForm(const ToolContext& context, const FormRunner& run,
                                      QWidget* parent) override;
    QByteArray Line() const override;

    Fields fields;
};

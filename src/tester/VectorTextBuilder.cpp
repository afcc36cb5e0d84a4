#include "tester/VectorTextBuilder.h"

#include "tester/TorqCommand.h"
#include "tester/VectorTextForm.h"

QStringList VectorTextBuilder::Fonts() {
    return {QStringLiteral("U")};
}

QStringList VectorTextBuilder::Bolds() {
    return {tr("None"), tr("Bold")};
}

QStringList VectorTextBuilder::Reverses() {
    return {tr("None"), tr("Reverse")};
}

QStringList VectorTextBuilder::Italics() {
    return {tr("None"), tr("Italic")};
}

QStringList VectorTextBuilder::Justifications() {
    return {tr("Right"), tr("Center"), tr("Left")};
}

QStringList VectorTextBuilder::Directions() {
    return {tr("Left to Right"), tr("Right to Left")};
}

std::unique_ptr<QDialog> VectorTextBuilder::MakeForm(const ToolContext& context,
                                                     const FormRunner& run, QWidget* parent) {
    return std::make_unique<VectorTextForm>(*this, context, run, parent);
}

QByteArray VectorTextBuilder::Line() const {
    torq::VectorText text;
    text.x = fields.x;
    text.y = fields.y;
    text.font = Written("U", fields.font);
    text.width = fields.width;
    text.height = fields.height;
    text.spacing = fields.spacing;
    text.bold = Written("NB", fields.bold);
    text.reverse = Written("NR", fields.reverse);
    text.italic = Written("NI", fields.italic);
    text.rotation = fields.rotation;
    text.justification = Written("RCL", fields.justification);
    text.direction = fields.direction;
    text.data = fields.data;
    return torq::VectorTextLine(text);
}

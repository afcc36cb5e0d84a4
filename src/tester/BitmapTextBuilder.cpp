#include "tester/BitmapTextBuilder.h"

#include "tester/BitmapTextForm.h"
#include "tester/TorqCommand.h"

namespace {

char Letter(const QStringList& list, int position) {
    const QString entry = list.value(position);
    return entry.isEmpty() ? ' ' : entry.front().toLatin1();
}

}  // namespace

const QStringList& BitmapTextBuilder::Fonts() {
    static const QStringList fonts = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
        QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("a"), QStringLiteral("b"),
        QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f")};
    return fonts;
}

const QStringList& BitmapTextBuilder::Rotations() {
    static const QStringList rotations = {QStringLiteral("0"), QStringLiteral("90"),
                                          QStringLiteral("180"), QStringLiteral("270")};
    return rotations;
}

const QStringList& BitmapTextBuilder::Reverses() {
    static const QStringList reverses = {QStringLiteral("N"), QStringLiteral("R")};
    return reverses;
}

const QStringList& BitmapTextBuilder::Bolds() {
    static const QStringList bolds = {QStringLiteral("N"), QStringLiteral("B")};
    return bolds;
}

std::unique_ptr<QDialog> BitmapTextBuilder::MakeForm(const ToolContext& context,
                                                     const FormRunner& run, QWidget* parent) {
    return std::make_unique<BitmapTextForm>(*this, context, run, parent);
}

QByteArray BitmapTextBuilder::Line() const {
    torq::BitmapText text;
    text.x = fields.x;
    text.y = fields.y;
    text.font = Letter(Fonts(), fields.font);
    text.hMulti = fields.hMulti;
    text.vMulti = fields.vMulti;
    text.spacing = fields.spacing;
    text.rotation = fields.rotation;
    text.reverse = Letter(Reverses(), fields.reverse);
    text.bold = Letter(Bolds(), fields.bold);
    text.data = fields.data;
    return torq::BitmapTextLine(text);
}

#include "tester/BitmapTextBuilder.h"

#include "tester/BitmapTextForm.h"
#include "tester/TorqCommand.h"

namespace {

constexpr char kFonts[] = "0123456789abcdef";
constexpr char kReverses[] = "NR";
constexpr char kBolds[] = "NB";

// A list whose entries are the letters they write.
QStringList LetterList(QByteArrayView letters) {
    QStringList list;
    for (const char letter : letters) {
        list << QString(QLatin1Char(letter));
    }
    return list;
}

}  // namespace

const QStringList& BitmapTextBuilder::Fonts() {
    static const QStringList fonts = LetterList(kFonts);
    return fonts;
}

const QStringList& BitmapTextBuilder::Reverses() {
    static const QStringList reverses = LetterList(kReverses);
    return reverses;
}

const QStringList& BitmapTextBuilder::Bolds() {
    static const QStringList bolds = LetterList(kBolds);
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
    text.font = Written(kFonts, fields.font);
    text.hMulti = fields.hMulti;
    text.vMulti = fields.vMulti;
    text.spacing = fields.spacing;
    text.rotation = fields.rotation;
    text.reverse = Written(kReverses, fields.reverse);
    text.bold = Written(kBolds, fields.bold);
    text.data = fields.data;
    return torq::BitmapTextLine(text);
}

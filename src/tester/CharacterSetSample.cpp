#include "tester/CharacterSetSample.h"

#include "tester/TorqCommand.h"

namespace {

constexpr QByteArrayView kLineEnd("\r");
// The label width around the samples, and the one the printer is given back afterwards.
constexpr int kSampleWidth = 780;
constexpr int kRestoredWidth = 830;
// International rows: at x 30, from y 50 down in steps of 70.
constexpr int kRowX = 30;
constexpr int kFirstRowY = 50;
constexpr int kRowStep = 70;
constexpr int kSampleSpacing = 10;

QByteArray Bytes(int first, int last) {
    QByteArray run;
    for (int byte = first; byte <= last; ++byte) {
        run += static_cast<char>(byte);
    }
    return run;
}

}  // namespace

QByteArray CharacterSetSample::TextLine(double atX, double atY, const QByteArray& run) const {
    if (fontKind == FontKind::Bitmap) {
        torq::BitmapText text;
        text.x = atX;
        text.y = atY;
        text.font = font;
        text.hMulti = lower;
        text.vMulti = upper;
        text.spacing = kSampleSpacing;
        text.data = run;
        return torq::BitmapTextLine(text);
    }
    torq::VectorText text;
    text.x = atX;
    text.y = atY;
    text.width = lower;
    text.height = upper;
    text.spacing = 1;
    text.plusSpacing = true;
    text.data = run;
    return torq::VectorTextLine(text);
}

QList<QByteArray> CharacterSetSample::Writes(Sample sample) const {
    if (sample == Sample::International) {
        // The twelve characters that change with the set; the backslash escaped.
        const QByteArray run = torq::Escaped("#$@[\\]^`{|}~");
        QList<QByteArray> writes;
        for (int set = 0; set < kInternationalSets; ++set) {
            writes << torq::JoinLines(
                {torq::CharacterSet(set, table), TextLine(kRowX, kFirstRowY + kRowStep * set, run)},
                kLineEnd);
        }
        writes << torq::JoinLines({torq::Print(1)}, kLineEnd);
        return writes;
    }
    const QByteArray run =
        sample == Sample::Under80 ? torq::Escaped(Bytes(0x20, 0x7F)) : Bytes(0x80, 0xFF);
    return {
        torq::JoinLines({torq::LabelWidth(kSampleWidth), torq::CharacterSet(international, table),
                         TextLine(x, y, run), torq::Print(1)},
                        kLineEnd),
        torq::JoinLines({torq::LabelWidth(kRestoredWidth)}, kLineEnd)};
}

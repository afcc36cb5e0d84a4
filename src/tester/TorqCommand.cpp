#include "tester/TorqCommand.h"

#include <cmath>

namespace torq {

namespace {

// Builds "name" then comma-separated fields, the way every command reads.
class Line {
public:
    explicit Line(const char* name) : text_(name) {}

    Line& Number(qint64 value) { return Field(QByteArray::number(value)); }
    Line& Position(double value) { return Field(Dots(value)); }
    // A point on the label: x, then y.
    Line& At(double x, double y) { return Position(x).Position(y); }
    Line& Letter(char letter) { return Field(QByteArray(1, letter)); }
    Line& Data(QByteArrayView data) {
        Field("'");
        text_ += data;
        text_ += '\'';
        return *this;
    }
    Line& Field(QByteArrayView field) {
        if (!first_) {
            text_ += ',';
        }
        first_ = false;
        text_ += field;
        return *this;
    }
    QByteArray Take() { return std::move(text_); }

private:
    QByteArray text_;
    bool first_ = true;
};

}  // namespace

QByteArray Dots(double value) {
    // Adding +0.0 turns a truncated -0.5 (which is -0.0) into 0.
    const double whole = std::trunc(value) + 0.0;
    return QByteArray::number(whole, 'f', 0);
}

QByteArray BitmapTextLine(const BitmapText& text) {
    return Line("T")
        .At(text.x, text.y)
        .Letter(text.font)
        .Number(text.hMulti)
        .Number(text.vMulti)
        .Number(text.spacing)
        .Number(text.rotation)
        .Letter(text.reverse)
        .Letter(text.bold)
        .Data(text.data)
        .Take();
}

QByteArray VectorTextLine(const VectorText& text) {
    QByteArray spacing = QByteArray::number(text.spacing);
    if (text.plusSpacing && text.spacing > 0) {
        spacing.prepend('+');
    }
    return Line("V")
        .At(text.x, text.y)
        .Letter(text.font)
        .Number(text.width)
        .Number(text.height)
        .Field(spacing)
        .Letter(text.bold)
        .Letter(text.reverse)
        .Letter(text.italic)
        .Number(text.rotation)
        .Letter(text.justification)
        .Number(text.direction)
        .Data(text.data)
        .Take();
}

QByteArray Barcode1DLine(const Barcode1D& code) {
    Line line("B1");
    line.At(code.x, code.y)
        .Number(code.symbology)
        .Number(code.narrowWidth)
        .Number(code.wideWidth)
        .Number(code.height)
        .Number(code.rotation)
        .Number(code.hri);
    if (code.quietZone) {
        line.Number(*code.quietZone);
    }
    return line.Data(code.data).Take();
}

QByteArray MaxicodeLine(const Maxicode& code) {
    return Line("B2").At(code.x, code.y).Letter('M').Number(code.mode).Data(code.data).Take();
}

QByteArray Pdf417Line(const Pdf417& code) {
    return Line("B2")
        .At(code.x, code.y)
        .Letter('P')
        .Number(code.maxRow)
        .Number(code.maxCol)
        .Number(code.ecl)
        .Number(code.compression)
        .Number(code.hri)
        .Number(code.origin)
        .Number(code.moduleWidth)
        .Number(code.barHeight)
        .Number(code.rotation)
        .Data(code.data)
        .Take();
}

QByteArray QrCodeLine(const QrCode& code) {
    return Line("B2")
        .At(code.x, code.y)
        .Letter('Q')
        .Number(code.model)
        .Letter(code.ecc)
        .Number(code.size)
        .Number(code.rotation)
        .Data(code.data)
        .Take();
}

QByteArray BlockDrawLine(const BlockDraw& block) {
    Line line("BD");
    line.At(block.startX, block.startY).At(block.endX, block.endY).Letter(block.kind);
    if (block.kind == 'S' || block.kind == 'B') {
        line.Number(block.extra);
    }
    return line.Take();
}

QByteArray LabelWidth(qint64 dots) {
    return Line("SW").Number(dots).Take();
}

QByteArray LabelLength(qint64 dots, Media media) {
    Line line("SL");
    line.Number(dots);
    switch (media) {
        case Media::Gap:
            return line.Field("24").Field("G").Take();
        case Media::Continuous:
            return line.Field("0").Field("C").Take();
        case Media::BlackMark:
            return line.Field("24").Field("B").Take();
    }
    return line.Take();
}

QByteArray Margins(qint64 x, qint64 y) {
    return Line("SM").Number(x).Number(y).Take();
}

QByteArray PrintSpeed(int index) {
    return Line("SS").Number(index).Take();
}

QByteArray PrintDensity(int density) {
    return Line("SD").Number(density).Take();
}

QByteArray PrintDirection(Direction direction) {
    return direction == Direction::Top ? QByteArray("SOT") : QByteArray("SOB");
}

QByteArray CharacterSet(int international, int table) {
    return Line("CS").Number(international).Number(table).Take();
}

QByteArray Print(int count) {
    return Line("P").Number(count).Take();
}

QByteArray Print(int count, int copies) {
    return Line("P").Number(count).Number(copies).Take();
}

QByteArray TestPrint(QByteArrayView line) {
    QByteArray bytes = line.toByteArray();
    bytes += '\r';
    bytes += Print(1);
    bytes += '\r';
    return bytes;
}

QByteArray JoinLines(const QList<QByteArray>& lines, QByteArrayView lineEnd) {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line;
        bytes += lineEnd;
    }
    return bytes;
}

QByteArray Escaped(QByteArrayView text) {
    QByteArray escaped;
    escaped.reserve(text.size());
    for (const char byte : text) {
        if (byte == '\'' || byte == '\\') {
            escaped += '\\';
        }
        escaped += byte;
    }
    return escaped;
}

}  // namespace torq

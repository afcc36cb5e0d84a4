#include "images/ImageTestFiles.h"

#include <QBuffer>
#include <QProcess>

namespace images_test {

namespace {

constexpr int kProgramTimeoutMs = 60000;

const char* const kPillowDecode = R"(
import io, sys
from PIL import Image
picture = Image.open(io.BytesIO(sys.stdin.buffer.read()))
picture.load()
rgb = picture.convert("RGB")
sys.stdout.buffer.write(b"%d %d\n" % rgb.size + rgb.tobytes())
)";

const char* const kPillowEncode = R"(
import io, sys
from PIL import Image
mode = sys.argv[1]
picture = Image.open(io.BytesIO(sys.stdin.buffer.read())).convert("RGB")
if mode == "P":
    picture = picture.convert("P", palette=Image.ADAPTIVE, colors=256)
elif mode != "RGB":
    picture = picture.convert(mode)
out = io.BytesIO()
picture.save(out, "PCX")
sys.stdout.buffer.write(out.getvalue())
)";

QByteArray Png(const QImage& picture) {
    return Encoded(picture, "PNG");
}

// The Python that can run Pillow, or nothing with `error` saying why.
QString PillowOrError(QString& error) {
    const QString python = PythonWithPillow();
    if (python.isEmpty()) {
        error = QStringLiteral(
            "no Python 3 with Pillow (scripts/setup-debian.sh installs "
            "python3-pil)");
    }
    return python;
}

}  // namespace

QStringList Rows(std::initializer_list<const char*> rows) {
    QStringList list;
    for (const char* row : rows) {
        list << QLatin1String(row);
    }
    return list;
}

QImage FromRows(const QStringList& rows) {
    QImage picture(static_cast<int>(rows.value(0).size()), static_cast<int>(rows.size()),
                   QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool black = rows[y][x] == QLatin1Char('#');
            picture.setPixel(x, y, black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return picture;
}

QStringList ToRows(const QImage& picture) {
    const std::vector<bool> dark = DarkPixels(picture);
    QStringList rows;
    for (int y = 0; y < picture.height(); ++y) {
        QString row;
        for (int x = 0; x < picture.width(); ++x) {
            row += dark[static_cast<std::size_t>(y * picture.width() + x)] ? QLatin1Char('#')
                                                                           : QLatin1Char('.');
        }
        rows << row;
    }
    return rows;
}

QImage Flat(int width, int height, int grey) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(grey, grey, grey));
    return picture;
}

QImage ColourScene(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int red = x * 255 / std::max(1, width - 1);
            const int green = y * 255 / std::max(1, height - 1);
            const int blue = (x / 7 + y / 5) % 2 ? 200 : 40;
            picture.setPixel(x, y,
                             x > width * 3 / 4 ? qRgb(blue, red, green) : qRgb(red, green, blue));
        }
    }
    return picture;
}

std::vector<bool> DarkPixels(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    std::vector<bool> dark;
    dark.reserve(static_cast<std::size_t>(argb.width()) * argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            const double alpha = qAlpha(pixel) / 255.0;
            const double grey = qGray(pixel) * alpha + 255 * (1 - alpha);
            dark.push_back(grey < 128);
        }
    }
    return dark;
}

ProgramResult RunProgram(const QString& program, const QStringList& arguments,
                         const QByteArray& input) {
    ProgramResult result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(kProgramTimeoutMs)) {
        return result;
    }
    result.started = true;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kProgramTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

QByteArray Encoded(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

QString PythonWithPillow() {
    static const QString found = [] {
        // Debian's own Python first: a Python of a user's environment may lack Debian's Pillow.
        for (const QString& python :
             {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
            const ProgramResult probe =
                RunProgram(python, {QStringLiteral("-c"), QStringLiteral("import PIL")}, {});
            if (probe.started && probe.exitCode == 0) {
                return python;
            }
        }
        return QString();
    }();
    return found;
}

QImage DecodeWithPillow(const QByteArray& pcx, QString& error) {
    const QString python = PillowOrError(error);
    if (python.isEmpty()) {
        return {};
    }
    const ProgramResult run =
        RunProgram(python, {QStringLiteral("-c"), QLatin1String(kPillowDecode)}, pcx);
    const qsizetype lineEnd = run.output.indexOf('\n');
    if (run.exitCode != 0 || lineEnd < 0) {
        error = QStringLiteral("Pillow failed: ") + QString::fromLocal8Bit(run.errors);
        return {};
    }
    const QList<QByteArray> size = run.output.left(lineEnd).split(' ');
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    const QByteArray rgb = run.output.mid(lineEnd + 1);
    if (rgb.size() != qsizetype(width) * height * 3) {
        error = QStringLiteral("Pillow gave a short picture");
        return {};
    }
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const qsizetype at = (qsizetype(y) * width + x) * 3;
            picture.setPixel(x, y,
                             qRgb(static_cast<uchar>(rgb[at]), static_cast<uchar>(rgb[at + 1]),
                                  static_cast<uchar>(rgb[at + 2])));
        }
    }
    return picture;
}

QByteArray EncodeWithPillow(const QImage& picture, const QString& mode, QString& error) {
    const QString python = PillowOrError(error);
    if (python.isEmpty()) {
        return {};
    }
    const ProgramResult run = RunProgram(
        python, {QStringLiteral("-c"), QLatin1String(kPillowEncode), mode}, Png(picture));
    if (run.exitCode != 0 || run.output.isEmpty()) {
        error = QStringLiteral("Pillow failed: ") + QString::fromLocal8Bit(run.errors);
        return {};
    }
    return run.output;
}

QImage DecodeWithPcxToPpm(const QByteArray& pcx, QString& error) {
    const ProgramResult run = RunProgram(QStringLiteral("pcxtoppm"), {}, pcx);
    if (!run.started) {
        error = QStringLiteral("pcxtoppm is missing (scripts/setup-debian.sh installs netpbm)");
        return {};
    }
    const QImage picture = QImage::fromData(run.output, "PPM");
    if (run.exitCode != 0 || picture.isNull()) {
        error = QStringLiteral("pcxtoppm failed: ") + QString::fromLocal8Bit(run.errors);
    }
    return picture;
}

}  // namespace images_test

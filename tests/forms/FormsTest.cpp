#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "forms/ChosenFile.h"
#include "forms/DialogFileChooser.h"
#include "forms/IpAddressField.h"
#include "forms/Validation.h"
#include "support/RecordingMessages.h"
#include "support/Widgets.h"

namespace {

// Whether a Qt name filter (as QFileDialog applies it) lets a file name through.
bool Matches(const QString& nameFilter, const QString& fileName) {
    const QString patterns = nameFilter.section(QLatin1Char('('), -1).chopped(1);
    for (const QString& pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern));
        if (re.match(fileName).hasMatch()) {
            return true;
        }
    }
    return false;
}

TEST(DialogNameFilter, MatchesExtensionsInEitherCaseAndEveryFileForStarDotStar) {
    const QString images = DialogNameFilter(
        QStringLiteral("Image files(*.PCX,*.BMP,*.JPG,*.JPEG) (*.PCX *.BMP *.JPG *.JPEG)"));
    const QString all = DialogNameFilter(QStringLiteral("All Files(*.*) (*.*)"));
    const QString text = DialogNameFilter(QStringLiteral("Text files(*.txt) (*.txt)"));
    EXPECT_TRUE(images.startsWith(QStringLiteral("Image files(*.PCX,*.BMP,*.JPG,*.JPEG) (")));
    struct Case {
        const QString& filter;
        const char* file;
        bool shown;
    };
    const Case cases[] = {
        {images, "logo.PCX", true},  {images, "logo.pcx", true},   {images, "photo.Jpeg", true},
        {images, "photo.jpg", true}, {images, "notes.txt", false}, {images, "pcx", false},
        {all, "README", true},       {all, "a.b", true},           {text, "VELD.TXT", true},
        {text, "VELD.bin", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Matches(c.filter, QLatin1String(c.file)), c.shown) << c.file;
    }
}

TEST(Validation, ParsesWholeNumbersOnly) {
    const std::pair<const char*, std::optional<int>> integers[] = {
        {"9100", 9100},     {" 42 ", 42}, {"-7", -7},
        {"+3", 3},          {"", {}},     {"12a", {}},
        {"1.5", {}},        {"-", {}},    {"2147483647", 2147483647},
        {"2147483648", {}}, {"1 2", {}}};
    for (const auto& [text, value] : integers) {
        EXPECT_EQ(Validation::ParseInteger(QLatin1String(text)), value) << text;
    }
    const std::pair<const char*, std::optional<double>> numbers[] = {
        {"1.5", 1.5}, {" -0.25", -0.25}, {"3", 3.0},  {"1e2", 100.0}, {"", {}},
        {"abc", {}},  {"nan", {}},       {"inf", {}}, {"1,5", {}}};
    for (const auto& [text, value] : numbers) {
        EXPECT_EQ(Validation::ParseNumber(QLatin1String(text)), value) << text;
    }
}

TEST(Validation, ShowsTheStandardMessageAndFocusesTheField) {
    struct Case {
        const char* text;
        bool ranged;
        bool number;
        const char* message;
    };
    const Case cases[] = {
        {"x", false, false, "Please enter an integer."},
        {"x", true, false, "Please enter an integer."},
        {"11", true, false, "Please enter an integer between 1 and 10."},
        {"x", false, true, "Please enter a number."},
        {"10.5", true, true, "Please enter a number between 0.5 and 10."},
        {"5", true, false, nullptr},
        {"0.5", true, true, nullptr},
    };
    for (const Case& c : cases) {
        QWidget window;
        auto* other = new QLineEdit(&window);
        auto* field = new QLineEdit(&window);
        window.show();
        other->setFocus();
        QApplication::setActiveWindow(&window);
        RecordingMessages messages;
        const QString text = QLatin1String(c.text);
        bool ok = false;
        if (c.number) {
            ok = (c.ranged ? Validation::ReadNumber(text, 0.5, 10, field, messages)
                           : Validation::ReadNumber(text, field, messages))
                     .has_value();
        } else {
            ok = (c.ranged ? Validation::ReadInteger(text, 1, 10, field, messages)
                           : Validation::ReadInteger(text, field, messages))
                     .has_value();
        }
        EXPECT_EQ(ok, c.message == nullptr) << c.text;
        if (c.message != nullptr) {
            EXPECT_EQ(messages.Warnings(), QStringList{QLatin1String(c.message)});
            EXPECT_TRUE(field->hasFocus()) << c.text;
        } else {
            EXPECT_TRUE(messages.entries.empty());
        }
    }
}

TEST(IpAddressField, TypingMovesThroughTheFourNumbers) {
    struct Case {
        const char* typed;
        std::array<int, 4> address;
    };
    const Case cases[] = {
        {"10.1.2.3", {10, 1, 2, 3}},
        {"192168001100", {192, 168, 1, 100}},  // the third digit moves on
        {"1..5", {1, 0, 5, 0}},
        {"999.1.1.1", {99, 1, 1, 1}},  // numbers above 255 are not taken
        {"1.2.3.4.5", {1, 2, 3, 45}},
    };
    for (const Case& c : cases) {
        IpAddressField field;
        field.show();
        QApplication::setActiveWindow(&field);
        field.Part(0)->setFocus();
        for (const char* ch = c.typed; *ch != '\0'; ++ch) {
            QTest::keyClicks(QApplication::focusWidget(), QString(QLatin1Char(*ch)));
        }
        EXPECT_EQ(field.Address(), c.address) << c.typed;
    }
    IpAddressField field;
    field.SetAddress({192, 168, 0, 100});
    EXPECT_EQ(field.Text(), QStringLiteral("192.168.0.100"));
}

}  // namespace

namespace {

// Only regular files are opened, and what is none is refused at once: a named pipe without a
// writer, a folder, a device.
TEST(ChosenFile, OpensRegularFilesOnlyAndNeverWaits) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString text = WriteFile(dir, QStringLiteral("label.txt"), "P1\r\n");
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString link = folder.filePath(QStringLiteral("link.txt"));
    ASSERT_TRUE(QFile::link(text, link));
    const struct {
        QString path;
        bool opens;
    } cases[] = {
        {text, true},
        {link, true},  // a link to a file is that file
        {pipe, false},
        {folder.path(), false},
        {QStringLiteral("/dev/null"), false},
        {folder.filePath(QStringLiteral("missing.txt")), false},
        {QString(), false},
    };
    for (const auto& c : cases) {
        QFile file;
        EXPECT_EQ(ChosenFile::Open(file, c.path), c.opens) << c.path.toStdString();
        EXPECT_EQ(file.isOpen(), c.opens) << c.path.toStdString();
        EXPECT_EQ(ChosenFile::IsReadable(c.path), c.opens) << c.path.toStdString();
        if (c.opens) {
            EXPECT_EQ(file.readAll(), QByteArray("P1\r\n"));
            EXPECT_EQ(file.size(), 4);
        }
    }
}

}  // namespace

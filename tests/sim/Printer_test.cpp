#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "sim/Printer.h"
#include "support/Widgets.h"

namespace {

TEST(SimPrinter, RecordsEveryByteAlsoIntoTheRecordFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = WriteFile(folder.path(), QStringLiteral("record.bin"), "old|");
    sim::Printer printer;
    ASSERT_TRUE(printer.SetRecordFile(path.toStdString()));
    const std::string bytes("^PI0\r\njunk\0\xff^P", 14);
    printer.Receive(bytes.substr(0, 7));
    printer.Receive(bytes.substr(7));
    EXPECT_EQ(printer.Received(), bytes);

    printer.ClearReceived();
    EXPECT_EQ(printer.Received(), "");
    printer.Receive("I0");
    EXPECT_EQ(printer.Received(), "I0");

    QFile record(path);
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    EXPECT_EQ(record.readAll().toStdString(), "old|" + bytes + "I0");
}

// A long download costs the printer no more memory than its tail; the record file has it all.
TEST(SimPrinter, KeepsOnlyTheTailOfALongStreamInMemory) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath(QStringLiteral("record.bin")).toStdString();
    sim::Printer printer;
    ASSERT_TRUE(printer.SetRecordFile(path));
    std::string sent;
    for (int line = 0; sent.size() < 3 * sim::Printer::kKeptReceived; ++line) {
        sent += "line " + std::to_string(line) + "\r\n";  // junk, which the printer skips
    }
    sent += "^PI0";
    for (std::size_t at = 0; at < sent.size(); at += 4096) {
        printer.Receive(std::string_view(sent).substr(at, 4096));
    }
    EXPECT_EQ(printer.Received().size(), sim::Printer::kKeptReceived);
    EXPECT_TRUE(printer.Received() == sent.substr(sent.size() - sim::Printer::kKeptReceived));
    EXPECT_EQ(printer.Receive("\r\n"), "");
    EXPECT_TRUE(printer.Received().ends_with("^PI0\r\n"));

    QFile record(QString::fromStdString(path));
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    EXPECT_TRUE(record.readAll().toStdString() == sent + "\r\n");
}

TEST(SimPrinter, RefusesARecordFileItCannotWrite) {
    sim::Printer printer;
    EXPECT_FALSE(printer.SetRecordFile("/nonexistent-folder/record.bin"));
    EXPECT_EQ(printer.Receive("^PI0"), "QX-M43\r\n");
}

}  // namespace

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

TEST(SimPrinter, RefusesARecordFileItCannotWrite) {
    sim::Printer printer;
    EXPECT_FALSE(printer.SetRecordFile("/nonexistent-folder/record.bin"));
    EXPECT_EQ(printer.Receive("^PI0"), "QX-M43\r\n");
}

}  // namespace

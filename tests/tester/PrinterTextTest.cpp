// Bytes through the editor and the data fields: nothing may change on the way.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include "forms/PrinterText.h"
#include "forms/PrinterTextInput.h"
#include "support/TestRig.h"

namespace {

TEST(PrinterText, EveryByteAndLineBreakSurvivesTheEditor) {
    QByteArray everyByte;
    for (int byte = 1; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    const QByteArray cases[] = {
        everyByte, "SOT\r\nT20,20\r\nP1\r\n", "lone CR\rlone LF\nboth\r\n\r\n\n\r", "\r\n",
        "",        "ends without a break",
    };
    for (const QByteArray& bytes : cases) {
        QPlainTextEdit editor;
        editor.setPlainText(PrinterText::ToEditor(bytes));
        EXPECT_EQ(PrinterText::FromEditor(editor.document()->toRawText()), bytes);
    }
}

TEST(PrinterText, TypedLineBreaksAreCrLfAndSymbolsStayOnTheirLine) {
    QPlainTextEdit editor;
    editor.setPlainText(PrinterText::ToEditor("A\rB"));
    EXPECT_EQ(editor.document()->blockCount(), 1);
    QTextCursor cursor(editor.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\nC"));
    EXPECT_EQ(PrinterText::FromEditor(editor.document()->toRawText()), QByteArray("A\rB\r\nC"));
}

TEST(PrinterText, CharactersWithoutAByteAreRefusedNotReplaced) {
    TestRig rig;
    QLineEdit field;
    const auto refused =
        PrinterTextInput::ReadField(QStringLiteral("ab日本日\U0001F600é"), &field, rig.messages);
    EXPECT_FALSE(refused.has_value());
    EXPECT_EQ(rig.messages.Warnings(),
              QStringList{QStringLiteral("The text holds characters the printer cannot take: "
                                         "日本\U0001F600\nPlease use characters with one-byte "
                                         "codes only.")});
    // The editor's line-break pictures mean nothing in a one-line field.
    EXPECT_EQ(PrinterText::FromField(QStringLiteral("a\u240Db")), std::nullopt);
    EXPECT_EQ(PrinterText::FromField(QStringLiteral("é'\\")), QByteArray("\xE9'\\"));
    EXPECT_EQ(PrinterText::FromEditor(QStringLiteral("x\u2029日")), std::nullopt);
}

}  // namespace

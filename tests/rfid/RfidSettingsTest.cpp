#include <gtest/gtest.h>

#include "rfid/RfidSettings.h"

namespace {

TEST(RfidSettings, LeadingIntegerReadsWhatAnEncoderAnswerStartsWith) {
    const struct {
        QByteArray reply;
        int value;
    } cases[] = {
        {"12\r\n", 12},
        {"  7", 7},
        {"+5", 5},
        {"-3\r\n", -3},
        {"12abc", 12},
        {"", 0},
        {"abc", 0},
        {"- 4", 0},
        {"\t\r\n9", 9},
        {"1 2", 1},
        // Sixteen digits are more than an int holds: clamped, never wrapped to a small number.
        {"9999999999999999", 2147483647},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RfidSettings::LeadingInteger(c.reply), c.value) << c.reply.toStdString();
    }
}

TEST(RfidSettings, ReplyTextEndsAtTheFirstZeroOrAfterSixteenBytes) {
    const struct {
        QByteArray buffer;
        QByteArray text;
    } cases[] = {
        {QByteArray("600\r\n\0\0\0", 8), "600\r\n"},
        {QByteArray("\0GEN2", 5), ""},
        {QByteArray(32, 'x'), QByteArray(16, 'x')},
        {QByteArray("0123456789ABCDEF\0", 17), "0123456789ABCDEF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RfidSettings::ReplyText(c.buffer).toByteArray(), c.text)
            << c.buffer.toStdString();
    }
}

}  // namespace

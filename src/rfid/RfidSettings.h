#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

// What the configuration form holds: list positions (-1: nothing chosen) and texts, and how the
// encoder's answers to the seven queries change them.
struct RfidSettings {
    static constexpr int kPositionNone = -1;
    static constexpr int kPowerCount = 31;  // powers 1 to 31; the entry at position p sends p + 1
    static constexpr int kRetriesCount = 11;
    static constexpr int kLabelsCount = 6;
    static constexpr int kReplyLength = 16;

    int tagType = kPositionNone;  // 0 GEN2, 1 ISO-B
    int powerPosition = kPositionNone;
    QString transponderPosition;
    int retries = kPositionNone;
    int labels = kPositionNone;
    QString valid;
    QString voided;

    // What "Default Setting" fills in.
    static RfidSettings Defaults();

    // Takes the answer to query `item` (1 to 7). An answer that names neither tag type keeps the
    // choice as it was.
    void TakeReply(int item, QByteArrayView reply);

    // The answer in a reply buffer: the bytes up to the first zero, at most kReplyLength.
    static QByteArrayView ReplyText(QByteArrayView buffer);
    // A leading decimal integer: blanks skipped, an optional sign, then digits; none gives 0.
    static int LeadingInteger(QByteArrayView reply);
};

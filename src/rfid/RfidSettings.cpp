#include "rfid/RfidSettings.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

constexpr int kGen2 = 0;
constexpr int kIsoB = 1;

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The counters are shown as they came, without the line end that closes the answer.
QString WithoutLineEnd(QByteArrayView reply) {
    while (!reply.isEmpty() && (reply.back() == '\r' || reply.back() == '\n')) {
        reply.chop(1);
    }
    return QString::fromLatin1(reply);
}

}  // namespace

RfidSettings RfidSettings::Defaults() {
    RfidSettings settings;
    settings.tagType = kGen2;
    settings.powerPosition = 0;
    settings.transponderPosition = QStringLiteral("600");
    settings.retries = 3;
    settings.labels = 2;
    return settings;
}

void RfidSettings::TakeReply(int item, QByteArrayView reply) {
    switch (item) {
        case 1:
            if (reply.startsWith("GEN2")) {
                tagType = kGen2;
            } else if (reply.startsWith("I")) {
                tagType = kIsoB;
            }
            break;
        case 2:
            powerPosition = LeadingInteger(reply) - 1;
            break;
        case 3: {
            QByteArrayView text = reply;
            while (!text.isEmpty() && IsBlank(text.back())) {
                text.chop(1);
            }
            transponderPosition = QString::fromLatin1(text);
            break;
        }
        case 4:
            retries = LeadingInteger(reply);
            break;
        case 5:
            labels = LeadingInteger(reply);
            break;
        case 6:
            valid = WithoutLineEnd(reply);
            break;
        case 7:
            voided = WithoutLineEnd(reply);
            break;
        default:
            break;
    }
}

QByteArrayView RfidSettings::ReplyText(QByteArrayView buffer) {
    buffer = buffer.first(std::min<qsizetype>(buffer.size(), kReplyLength));
    const qsizetype zero = buffer.indexOf('\0');
    return zero < 0 ? buffer : buffer.first(zero);
}

int RfidSettings::LeadingInteger(QByteArrayView reply) {
    qsizetype at = 0;
    while (at < reply.size() && IsBlank(reply[at])) {
        ++at;
    }
    bool negative = false;
    if (at < reply.size() && (reply[at] == '+' || reply[at] == '-')) {
        negative = reply[at] == '-';
        ++at;
    }
    // Sixteen bytes hold at most fifteen digits: clamp rather than overflow.
    long long value = 0;
    for (; at < reply.size() && reply[at] >= '0' && reply[at] <= '9'; ++at) {
        value =
            std::min<long long>(value * 10 + (reply[at] - '0'), std::numeric_limits<int>::max());
    }
    return static_cast<int>(negative ? -value : value);
}

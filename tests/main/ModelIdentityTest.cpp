#include <gtest/gtest.h>

#include "main/ModelIdentity.h"

namespace {

TEST(ModelIdentity, ReadsModelNameReplies) {
    struct Case {
        QByteArray reply;
        const char* name;
        int index;
    };
    const Case cases[] = {
        {"KV-510\r\n", "KV-510", 0},
        {"KV-510II\r\n", "KV-510II", 1},
        {"QX-R40\r\n", "QX-M40", 2},
        {"QX-R43\r\n", "QX-M43", 3},
        {"qx-m40\r\n", "qx-m40", 2},
        {"qx-r40\r\n", "qx-r40", -1},  // the R-to-M rewrite is case-sensitive
        {"QX-R25\n\r\n\r", "QX-R25", 7},
        {"KV-510 \r\n", "KV-510 ", -1},
        {"QX-M43\r\n\0garbage", "QX-M43", 3},
        {"QX-R22", "QX-R22", 6},
        {"", "", -1},
        {QByteArray(32, 'A'), "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", -1},
    };
    for (const Case& c : cases) {
        const QString name = ModelIdentity::NormalisedName(c.reply);
        EXPECT_EQ(name, QLatin1String(c.name)) << c.reply.toStdString();
        EXPECT_EQ(ModelIdentity::IndexOf(name), c.index) << c.reply.toStdString();
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "sim/SerialLink.h"
#include "support/Widgets.h"

namespace {

std::string LinkTarget(const std::string& path) {
    char buffer[256];
    const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, std::size_t(length)) : std::string();
}

class SimSerialLink : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    std::string Path(const char* name) const {
        return folder.filePath(QString::fromLatin1(name)).toStdString();
    }

    QTemporaryDir folder;
    std::string error;
};

TEST_F(SimSerialLink, CreatesAPrivateFolderAndRemovesTheLinkAtTheEnd) {
    const std::string link = Path("tagwell-serial/sim-1");
    {
        sim::SerialLink announced;
        ASSERT_TRUE(announced.Create(link, "/dev/pts/77", error)) << error;
        EXPECT_EQ(LinkTarget(link), "/dev/pts/77");
        struct stat info {};
        ASSERT_EQ(::stat(Path("tagwell-serial").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
    EXPECT_EQ(LinkTarget(link), "");
}

TEST_F(SimSerialLink, ReplacesAStaleLinkButNoOtherFile) {
    const std::string link = Path("stale");
    ASSERT_EQ(::symlink("/dev/pts/1", link.c_str()), 0);
    sim::SerialLink announced;
    ASSERT_TRUE(announced.Create(link, "/dev/pts/2", error)) << error;
    EXPECT_EQ(LinkTarget(link), "/dev/pts/2");

    const QString file = WriteFile(folder.path(), QStringLiteral("file"), {});
    sim::SerialLink refused;
    EXPECT_FALSE(refused.Create(file.toStdString(), "/dev/pts/2", error));
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(SimSerialLink, LeavesALinkThatSomeoneElseTookOver) {
    const std::string link = Path("taken");
    sim::SerialLink announced;
    ASSERT_TRUE(announced.Create(link, "/dev/pts/3", error)) << error;
    ::unlink(link.c_str());
    ASSERT_EQ(::symlink("/dev/pts/4", link.c_str()), 0);
    announced.Remove();
    EXPECT_EQ(LinkTarget(link), "/dev/pts/4");
}

}  // namespace

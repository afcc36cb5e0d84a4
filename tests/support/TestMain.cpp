// The main of every test program: a QApplication on the offscreen platform, so that windows can
// be built and driven without a display (also while CTest lists the tests). SIGPIPE keeps its
// default action on purpose: a dropped connection must never be able to kill the process.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwell"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

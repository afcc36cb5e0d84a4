#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTcpSocket>
#include <csignal>
#include <string>

// Runs the simulator program with `arguments` (TCP on a free port, no terminal), sends it `bytes`
// followed by a query, and stops it with SIGTERM once the query is answered: everything the bytes
// asked for is done by then. Its exit code is 0 when it ended cleanly.
inline void RunProgram(const QStringList& arguments, const std::string& bytes) {
    QProcess program;
    program.start(
        QStringLiteral(TAGWELL_SIM_PROGRAM),
        QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--no-pty")}
            << arguments);
    ASSERT_TRUE(program.waitForStarted(5000));
    ASSERT_TRUE(program.waitForReadyRead(5000));
    const QString line = QString::fromUtf8(program.readLine()).trimmed();
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), line.section(QLatin1Char(':'), 1).toUShort());
    ASSERT_TRUE(socket.waitForConnected(5000));
    const std::string sent = bytes + "^PI0";
    socket.write(sent.data(), static_cast<qint64>(sent.size()));
    ASSERT_TRUE(socket.waitForReadyRead(5000));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
}

// The simulator program as a person starts it: what it prints, that Tagwell finds its terminal,
// and that it ends cleanly on a signal.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <csignal>

#include "link/SerialDirectory.h"
#include "support/Widgets.h"

namespace {

// The lines the program printed once it listens (TCP, then serial, then the RFID field).
QStringList StartAndReadLines(QProcess& program, const QStringList& arguments, int lines) {
    program.start(QStringLiteral(TAGWELL_SIM_PROGRAM), arguments);
    EXPECT_TRUE(program.waitForStarted(5000));
    QStringList read;
    while (read.size() < lines && program.waitForReadyRead(5000)) {
        while (program.canReadLine()) {
            read << QString::fromUtf8(program.readLine()).trimmed();
        }
    }
    return read;
}

void Stop(QProcess& program, int signal) {
    ::kill(static_cast<pid_t>(program.processId()), signal);
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(SimProgram, ListensAnnouncesItsTerminalAndEndsCleanlyOnASignal) {
    for (const int signal : {SIGTERM, SIGINT}) {
        QProcess program;
        const QStringList lines =
            StartAndReadLines(program, Texts({"--port", "0", "--model", "KV-510II"}), 3);
        ASSERT_EQ(lines.size(), 3) << program.readAllStandardError().toStdString();
        ASSERT_TRUE(lines[0].startsWith(QStringLiteral("TCP 127.0.0.1:")));
        ASSERT_TRUE(lines[1].startsWith(QStringLiteral("serial /dev/pts/")));
        EXPECT_EQ(lines[2], QStringLiteral("RFID tag in the field, EPC 112233445566778899AABBCC"));
        const QString link = lines[1].section(QStringLiteral("(also as "), 1).chopped(1);
        EXPECT_TRUE(SerialDirectory::Devices().contains(link)) << link.toStdString();

        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"),
                             lines[0].section(QLatin1Char(':'), 1).toUShort());
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write("^PI0\r\n");
        QByteArray reply;
        while (reply.size() < 10 && socket.waitForReadyRead(5000)) {
            reply += socket.readAll();
        }
        EXPECT_EQ(reply, QByteArray("KV-510II\r\n"));

        Stop(program, signal);
        EXPECT_FALSE(QFileInfo(link).isSymLink()) << "the link outlived the simulator";
        EXPECT_FALSE(SerialDirectory::Devices().contains(link));
    }
}

TEST(SimProgram, RecordsWhatItReceivesToAFile) {
    QTemporaryDir folder;
    const QString record = folder.filePath(QStringLiteral("record.bin"));
    QProcess program;
    const QStringList lines = StartAndReadLines(
        program, Texts({"--port", "0", "--no-pty", "--rfid-tag", "none", "--record"}) << record, 2);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1], QStringLiteral("RFID field empty"));
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"),
                         lines[0].section(QLatin1Char(':'), 1).toUShort());
    ASSERT_TRUE(socket.waitForConnected(5000));
    socket.write("^PI0");
    ASSERT_TRUE(socket.waitForReadyRead(5000));
    Stop(program, SIGTERM);
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("^PI0"));
}

TEST(SimProgram, SaysSoWhenItsPortIsTaken) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost));
    QProcess program;
    program.start(QStringLiteral(TAGWELL_SIM_PROGRAM),
                  {QStringLiteral("--port"), QString::number(taken.serverPort()),
                   QStringLiteral("--no-pty")});
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_NE(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardError().contains("--port 0"));
}

}  // namespace

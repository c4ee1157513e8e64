// SPDX-License-Identifier: MIT
// The command line: --help and --version answer without a display, anything
// else is refused with one line and status 2.

#include <QProcess>
#include <QTest>

class Test_commandline : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
};

void Test_commandline::answers_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString usage = QStringLiteral("Usage: tavelo [--help | --version]");
    const QString version = QStringLiteral("tavelo 2.85\n");
    QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QString();
    QTest::newRow("-V") << QStringList{"-V"} << 0 << version << QString();
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QString();
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << QString() << QStringLiteral("tavelo: unknown option '--frobnicate' (try 'tavelo --help')\n");
    QTest::newRow("Qt's own option") << QStringList{"-platform", "offscreen"} << 2 << QString() << QStringLiteral("tavelo: unknown option '-platform' (try 'tavelo --help')\n");
    QTest::newRow("a file name") << QStringList{"songs.txt"} << 2 << QString() << QStringLiteral("tavelo: unexpected argument 'songs.txt' (try 'tavelo --help')\n");
    QTest::newRow("version and more") << QStringList{"--version", "x"} << 2 << QString() << QStringLiteral("tavelo: unexpected argument 'x' (try 'tavelo --help')\n");
    // clang-format on
}

void Test_commandline::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    // No display at all: these answers must not need one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TAVELO_BINARY), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
}

QTEST_GUILESS_MAIN(Test_commandline)
#include "test_commandline.moc"

// SPDX-License-Identifier: MIT
// The platform the program asks Qt for, from the environment: X11 through
// Xwayland where a Wayland session offers it, the user's own choice always,
// Qt's choice otherwise.

#include "app/platform.h"

#include <QTest>

class Test_platform : public QObject {
    Q_OBJECT
private slots:
    void chosen_data();
    void chosen();
    void putIntoEnvironment();
};

void Test_platform::chosen_data()
{
    QTest::addColumn<QByteArray>("qtPlatform");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("chosen");  // empty: Qt's own choice
    // clang-format off
    QTest::newRow("Wayland and X11")                << QByteArray()            << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("xcb");
    QTest::newRow("user's wayland kept")            << QByteArray("wayland")   << QByteArray("wayland-0") << QByteArray(":0") << QByteArray();
    QTest::newRow("user's offscreen kept")          << QByteArray("offscreen") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray();
    QTest::newRow("user's xcb kept")                << QByteArray("xcb")       << QByteArray()            << QByteArray(":1") << QByteArray();
    QTest::newRow("Wayland alone")                  << QByteArray()            << QByteArray("wayland-0") << QByteArray()     << QByteArray();
    QTest::newRow("X11 alone")                      << QByteArray()            << QByteArray()            << QByteArray(":0") << QByteArray();
    QTest::newRow("no display")                     << QByteArray()            << QByteArray()            << QByteArray()     << QByteArray();
    QTest::newRow("empty QT_QPA_PLATFORM is unset") << QByteArray("")          << QByteArray("wayland-1") << QByteArray(":2") << QByteArray("xcb");
    // clang-format on
}

void Test_platform::chosen()
{
    QFETCH(QByteArray, qtPlatform);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, chosen);
    QCOMPARE(tavelo::chosenPlatform(qtPlatform, waylandDisplay, display), chosen);
}

// The choice reaches QT_QPA_PLATFORM, where Qt reads it; a user's own value
// stays as it is.
void Test_platform::putIntoEnvironment()
{
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    qputenv("DISPLAY", ":0");
    qunsetenv("QT_QPA_PLATFORM");
    tavelo::choosePlatform();
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("xcb"));

    qputenv("QT_QPA_PLATFORM", "wayland");
    tavelo::choosePlatform();
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("wayland"));
}

QTEST_APPLESS_MAIN(Test_platform)
#include "test_platform.moc"

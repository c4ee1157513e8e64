#include "calc/timemath.h"

#include <QTest>

class TestTimeMath : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QCOMPARE(tavelo::listLine("4", "7"), std::string("4:07")); }
};

QTEST_APPLESS_MAIN(TestTimeMath)
#include "test_timemath.moc"

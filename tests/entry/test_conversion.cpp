#include "entry/conversion.h"

#include <QTest>

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QCOMPARE(tavelo::strictNumber("59").value(), 59.0); }
};

QTEST_APPLESS_MAIN(TestConversion)
#include "test_conversion.moc"

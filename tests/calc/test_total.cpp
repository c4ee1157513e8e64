#include "support/guitest.h"

class Test_total : public QObject {
    Q_OBJECT
private slots:
    void starts() { guitest::Session s; QVERIFY(s.main->total->isEnabled()); }
};

GUITEST_MAIN(Test_total)
#include "test_total.moc"

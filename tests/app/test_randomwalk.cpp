#include "support/guitest.h"

class Test_randomwalk : public QObject {
    Q_OBJECT
private slots:
    void starts() { guitest::Session s; QVERIFY(s.main->total->isEnabled()); }
};

GUITEST_MAIN(Test_randomwalk)
#include "test_randomwalk.moc"

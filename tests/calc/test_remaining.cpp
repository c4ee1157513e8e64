#include "support/guitest.h"

class Test_remaining : public QObject {
    Q_OBJECT
private slots:
    void starts() { guitest::Session s; QVERIFY(s.main->total->isEnabled()); }
};

GUITEST_MAIN(Test_remaining)
#include "test_remaining.moc"

#include "support/guitest.h"

class Test_handoff : public QObject {
    Q_OBJECT
private slots:
    void starts() { guitest::Session s; QVERIFY(s.main->total->isEnabled()); }
};

GUITEST_MAIN(Test_handoff)
#include "test_handoff.moc"

#include "support/guitest.h"

class Test_entryscreens : public QObject {
    Q_OBJECT
private slots:
    void starts() { guitest::Session s; QVERIFY(s.main->total->isEnabled()); }
};

GUITEST_MAIN(Test_entryscreens)
#include "test_entryscreens.moc"

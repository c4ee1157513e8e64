#include "support/guitest.h"

class Test_correction : public QObject {
    Q_OBJECT
private slots:
    void starts() { guitest::Session s; QVERIFY(s.main->total->isEnabled()); }
};

GUITEST_MAIN(Test_correction)
#include "test_correction.moc"

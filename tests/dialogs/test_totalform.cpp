#include "support/guitest.h"

class Test_totalform : public QObject {
    Q_OBJECT
private slots:
    void starts() { guitest::Session s; QVERIFY(s.main->total->isEnabled()); }
};

GUITEST_MAIN(Test_totalform)
#include "test_totalform.moc"

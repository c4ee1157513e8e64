#include "support/guitest.h"

class Test_rowcheck : public QObject {
    Q_OBJECT
private slots:
    void starts() { guitest::Session s; QVERIFY(s.main->total->isEnabled()); }
};

GUITEST_MAIN(Test_rowcheck)
#include "test_rowcheck.moc"

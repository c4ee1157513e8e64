#include "support/guitest.h"

class Test_windows : public QObject {
    Q_OBJECT
private slots:
    void starts() { guitest::Session s; QVERIFY(s.main->total->isEnabled()); }
};

GUITEST_MAIN(Test_windows)
#include "test_windows.moc"

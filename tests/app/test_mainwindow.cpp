#include "support/guitest.h"

class Test_mainwindow : public QObject {
    Q_OBJECT
private slots:
    void starts() { guitest::Session s; QVERIFY(s.main->total->isEnabled()); }
};

GUITEST_MAIN(Test_mainwindow)
#include "test_mainwindow.moc"

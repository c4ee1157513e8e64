// SPDX-License-Identifier: MIT
// The tape capacity dialog: its layout, what OK does with a capacity it
// accepts and one it refuses (which texts those are is pinned in
// test_operations), and how it closes without a trace.

#include "support/guitest.h"

using namespace guitest;

namespace {

CapacityDialog *openDialog(Session &s) { return openCapacityDialog(s.main); }

// Opens the dialog and types `typed` into its box; null when a step failed.
CapacityDialog *openDialogWith(Session &s, const QString &typed)
{
    CapacityDialog *d = openDialog(s);
    GUITEST_VERIFY(d);
    GUITEST_VERIFY(type(CapacityDialogView(d)->text1, typed));
    return d;
}

// Sends what is typed, by Enter in the box or by a click on OK.
[[nodiscard]] bool submit(const CapacityDialogView &d, bool byEnter)
{
    if (byEnter) {
        QTest::keyClick(d->text1, Qt::Key_Return);
    } else {
        d->command1->setFocus();
        GUITEST_VERIFY(click(d->command1));
    }
    settle();
    return true;
}

// Leaves a capacity of 60, a list, a result and stored songs in the main
// window, and 訂正 enabled, by a calculation of 4:30 and 3:45, so that
// accepting a capacity has something to clear.
[[nodiscard]] bool fillMainWindow(Session &s)
{
    GUITEST_VERIFY(acceptCapacity(s.main, QStringLiteral("60")));
    GUITEST_VERIFY(calculateOnPageOne(s, false, rows("4:30 3:45")));
    GUITEST_COMPARE(s.summary(), QStringLiteral("remaining | tape [60] | entry correct - | list "
                                                "[4:30 3:45 13*0:00] | result 51/45"));
    return true;
}

}  // namespace

class Test_capacitydialog : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void window();
    void tabOrderAndFocus();
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void realErrorBox();
    void closesWithoutChange_data();
    void closesWithoutChange();
    void reopensEmpty();
    void totalModeBackToRemainingMode();
};

void Test_capacitydialog::layout_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Label1") << "Label1" << "録音可能時間を入力してください" << twips(480, 120, 3975, 255);
    QTest::newRow("Text1") << "Text1" << "" << twips(1800, 600, 615, 270);
    QTest::newRow("Label2") << "Label2" << "分" << twips(2640, 600, 255, 255);
    QTest::newRow("Command1") << "Command1" << "OK" << twips(960, 1080, 1335, 375);
    QTest::newRow("Command2") << "Command2" << "キャンセル" << twips(2640, 1080, 1335, 375);
    // clang-format on
}

void Test_capacitydialog::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    Session s;
    CapacityDialog *d = openDialog(s);
    QVERIFY(d);
    const QList<QWidget *> found = d->findChildren<QWidget *>(name, Qt::FindDirectChildrenOnly);
    QCOMPARE(found.size(), 1);
    QWidget *w = found.first();
    QCOMPARE(w->geometry(), geometry);
    if (auto *label = qobject_cast<QLabel *>(w)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80));
        QVERIFY(!label->autoFillBackground());
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        QCOMPARE(button->text(), text);
    } else {
        QCOMPARE(qobject_cast<QLineEdit *>(w)->text(), text);
    }
}

void Test_capacitydialog::window()
{
    Session s;
    CapacityDialog *dialog = openDialog(s);
    QVERIFY(dialog);
    const CapacityDialogView d(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->objectName(), QStringLiteral("TotalForm"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("片面タベロ可能時間"));
    QCOMPARE(dialog->size(), QSize(339, 106));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    // The heading is centred in its box.
    QVERIFY(d->label1->alignment() & Qt::AlignHCenter);

    // Yellow behind the labels: the rendered window shows it in an empty corner
    // and between the letters of the heading.
    const QImage image = dialog->grab().toImage();
    QCOMPARE(QColor(image.pixel(2, 2)), QColor(0xFF, 0xFF, 0x00));
    QCOMPARE(QColor(image.pixel(d->label1->geometry().left() + 1, d->label1->geometry().top() + 1)),
             QColor(0xFF, 0xFF, 0x00));

    // OK carries the default mark; what Enter and Esc do is tested below.
    QVERIFY(d->command1->isDefault());
    QVERIFY(!d->command2->isDefault());
}

void Test_capacitydialog::tabOrderAndFocus()
{
    Session s;
    CapacityDialog *d = openDialog(s);
    QVERIFY(d);
    QCOMPARE(d->focusWidget(), CapacityDialogView(d)->text1);
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
        visited << d->focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"Command1", "Command2", "Text1"}));
}

void Test_capacitydialog::accepted_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("46 + Enter") << "46" << true;
    QTest::newRow("46 + OK") << "46" << false;
}

void Test_capacitydialog::accepted()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    Session s;
    QVERIFY(fillMainWindow(s));
    const QStringList songs = songTable(s.main);
    CapacityDialog *d = openDialogWith(s, typed);
    QVERIFY(d);
    QPointer<CapacityDialog> alive(d);
    QVERIFY(submit(CapacityDialogView(d), byEnter));

    QVERIFY(s.messages.empty());
    QVERIFY(alive.isNull());
    QVERIFY(!program().capacityDialog());

    // 訂正 is left as it was.
    QCOMPARE(
        s.summary(),
        QStringLiteral("remaining | tape [%1] | entry correct - | list [] | result /").arg(typed));
    QCOMPARE(songTable(s.main), songs);
}

void Test_capacitydialog::refused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("-5 + OK") << "-5" << false;
    QTest::newRow("-5 + Enter") << "-5" << true;
    QTest::newRow("empty + Enter") << "" << true;
}

void Test_capacitydialog::refused()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    Session s;
    QVERIFY(fillMainWindow(s));
    const QStringList before = mainSnapshot(s.main);
    CapacityDialog *dialog = openDialogWith(s, typed);
    QVERIFY(dialog);
    const CapacityDialogView d(dialog);
    QPointer<CapacityDialog> alive(dialog);
    QVERIFY(submit(d, byEnter));

    QCOMPARE(s.messageTexts(), QStringList{kBadMinutes});
    QVERIFY(!alive.isNull());
    QCOMPARE(capacityDialog(), dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(d->text1->text(), typed);
    QCOMPARE(dialog->focusWidget(), d->text1);
    QCOMPARE(mainSnapshot(s.main), before);

    // The dialog stays usable: a corrected value is accepted.
    QVERIFY(type(d->text1, QStringLiteral("46")));
    QVERIFY(click(d->command1));
    settle();
    QVERIFY(alive.isNull());
    QCOMPARE(s.main->totaltxt->text(), QStringLiteral("46"));
    QCOMPARE(s.messages.size(), std::size_t(1));
}

void Test_capacitydialog::realErrorBox()
{
    Session s;
    tavelo::setErrorBoxHandler({});
    CapacityDialog *dialog = openDialogWith(s, QStringLiteral("-5"));
    QVERIFY(dialog);
    const CapacityDialogView d(dialog);

    // The real box, checked while it is up and closed by a click on OK.
    BoxWatch watch(s.main);
    watch.how = Dismissal::ClickOk;
    watch.timer.start();
    QVERIFY(click(d->command1));
    watch.timer.stop();
    QCOMPARE(watch.faults, QStringList{});
    QCOMPARE(watch.boxes, 1);
    QCOMPARE(watch.counts[kBadMinutes], 1);

    settle();
    QCOMPARE(capacityDialog(), dialog);
    QCOMPARE(d->text1->text(), QStringLiteral("-5"));
    QCOMPARE(dialog->focusWidget(), d->text1);
    QCOMPARE(s.main->totaltxt->text(), QString());
    QVERIFY(!s.main->nyuryoku->isEnabled());
}

void Test_capacitydialog::closesWithoutChange_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("typed");
    // Whether what is typed would be accepted or refused makes no difference;
    // that a closed dialog opens again empty is tested with every window.
    // clang-format off
    QTest::newRow("キャンセル, 46 typed") << "キャンセル" << "46";
    QTest::newRow("Esc, -5 typed")        << "Esc" << "-5";
    QTest::newRow("close box, empty")     << "close box" << "";
    // clang-format on
}

void Test_capacitydialog::closesWithoutChange()
{
    QFETCH(QString, how);
    QFETCH(QString, typed);
    Session s;
    QVERIFY(fillMainWindow(s));
    const QStringList before = mainSnapshot(s.main);
    CapacityDialog *dialog = openDialogWith(s, typed);
    QVERIFY(dialog);
    const CapacityDialogView d(dialog);
    QPointer<CapacityDialog> alive(dialog);

    if (how == QStringLiteral("キャンセル"))
        QVERIFY(click(d->command2));
    else if (how == QStringLiteral("Esc"))
        QTest::keyClick(d->text1, Qt::Key_Escape);
    else
        QVERIFY(dialog->close());
    settle();

    QVERIFY(alive.isNull());
    QVERIFY(!program().capacityDialog());
    QVERIFY(s.messages.empty());
    QCOMPARE(s.endRequests, 0);
    QCOMPARE(mainSnapshot(s.main), before);
}

void Test_capacitydialog::reopensEmpty()
{
    Session s;
    QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    QCOMPARE(s.main->totaltxt->text(), QStringLiteral("46"));
    CapacityDialog *d = openDialog(s);
    QVERIFY(d);
    QCOMPARE(CapacityDialogView(d)->text1->text(), QString());
    QCOMPARE(d->focusWidget(), CapacityDialogView(d)->text1);
    // The dialog never reads the main window's capacity back.
    QCOMPARE(s.main->totaltxt->text(), QStringLiteral("46"));
}

void Test_capacitydialog::totalModeBackToRemainingMode()
{
    Session s;
    const auto &m = s.main;
    // A total-time calculation puts the main window into total mode.
    QVERIFY(calculateOnPageOne(s, true, rows("4:30 3:45")));
    QCOMPARE(s.summary(), QStringLiteral("total | tape hidden [] | - - totalcorrect | "
                                         "list [4:30 3:45 13*0:00] | result 8/15"));
    const QStringList songs = songTable(m);

    // 訂正 is left as it was.
    QVERIFY(acceptCapacity(m, QStringLiteral("46")));
    QCOMPARE(s.summary(), QStringLiteral("remaining | tape [46] | entry - - | list [] | result /"));
    QCOMPARE(songTable(m), songs);
    QCOMPARE(song(0).minutes, QStringLiteral("4"));
    QCOMPARE(song(1).seconds, QStringLiteral("45"));
}

GUITEST_MAIN(Test_capacitydialog)
#include "test_capacitydialog.moc"

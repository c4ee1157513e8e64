// SPDX-License-Identifier: MIT
// Texts far longer than anyone types: a box keeps all of a pasted text, the
// row check and the sums read all of it, and even a megabyte neither hangs
// nor crashes a handler.

#include "support/guitest.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

using namespace guitest;

Q_DECLARE_METATYPE(tavelo::ScreenId)

namespace {

// Pastes the text into the box as a user does, through the clipboard.
void paste(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QGuiApplication::clipboard()->setText(text);
    box->paste();
}

}  // namespace

class Test_longtext : public QObject {
    Q_OBJECT
private slots:
    void longRowCounts_data();
    void longRowCounts();
    void megabytePaste_data();
    void megabytePaste();
};

void Test_longtext::longRowCounts_data()
{
    // clang-format off
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("message");
    // Past the 32,767 characters a box used to keep: 32,767 zeros, then 5.
    QTest::newRow("32767 zeros then 5") << QString(32767, u'0') + u'5' << "41" << QString();
    QTest::newRow("40,000 characters") << QString(39999, u'0') + u'5' << "41" << QString();
    QTest::newRow("40,000 with a letter at the end") << QString(39999, u'0') + u'x' << "" << QStringLiteral("分の入力が間違ってます。");
    QTest::newRow("40,000 full-width digits") << QString(39999, u'０') + u'５' << "41" << QString();
    // clang-format on
}

void Test_longtext::longRowCounts()
{
    QFETCH(QString, minutes);
    QFETCH(QString, text3);
    QFETCH(QString, message);
    Session s;
    QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    EntryScreen *screen = openPageOne(s.main, false);
    QVERIFY(screen);
    paste(minuteBox(screen, 0), minutes);
    QCOMPARE(minuteBox(screen, 0)->text(), minutes);
    secondBox(screen, 0)->setText(QStringLiteral("0"));
    QVERIFY(press(screen));
    QCOMPARE(s.messageTexts().join(u'|'), message);
    QCOMPARE(s.main->text3->text(), text3);
    if (message.isEmpty())
        QCOMPARE(s.listLines().first(), minutes + QStringLiteral(":00"));
}

void Test_longtext::megabytePaste_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<ScreenId>("screen");  // with the capacity dialog for ScreenId::Page2
    QTest::addColumn<QByteArray>("button");
    const QString digits(1 << 20, u'7'), letters(1 << 20, u'a');
    for (const auto &[kind, text] : {std::pair{"digits", digits}, std::pair{"letters", letters}}) {
        QTest::addRow("%s, capacity OK", kind) << text << ScreenId::Page2 << QByteArray("Command1");
        for (ScreenId id : {ScreenId::Entry, ScreenId::TotalEntry}) {
            for (const char *button : {"Command1", "Command2"})
                QTest::addRow("%s, %d %s", kind, int(id), button) << text << id << QByteArray(button);
        }
    }
    // clang-format on
}

void Test_longtext::megabytePaste()
{
    QFETCH(QString, text);
    QFETCH(ScreenId, screen);
    QFETCH(QByteArray, button);
    Session s;
    QWidget *window = nullptr;
    QLineEdit *box = nullptr;
    if (screen == ScreenId::Page2) {
        window = openCapacityDialog(s.main);
        QVERIFY(window);
        box = CapacityDialogView(capacityDialog()).text1;
    } else {
        if (!tavelo::isTotalScreen(screen))
            QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
        EntryScreen *entry = openPageOne(s.main, tavelo::isTotalScreen(screen));
        QVERIFY(entry);
        secondBox(entry, 0)->setText(QStringLiteral("0"));
        window = entry;
        box = minuteBox(entry, 0);
    }
    QElapsedTimer clock;
    clock.start();
    paste(box, text);
    QCOMPARE(box->text().size(), text.size());
    const qint64 pasted = clock.restart();
    QVERIFY(click(guitest::button(window, button.constData())));
    settle();
    qInfo("paste %lld ms, %s %lld ms", pasted, button.constData(), clock.elapsed());
    QVERIFY(s.messages.size() <= 1);
    QVERIFY(s.main->list1->count() <= 15);
}

GUITEST_MAIN(Test_longtext)
#include "test_longtext.moc"

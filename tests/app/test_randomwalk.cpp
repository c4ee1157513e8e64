// SPDX-License-Identifier: MIT
// A long seeded walk over all eight windows: random clicks on enabled
// buttons, good and bad texts typed into boxes, Enter, Esc and close boxes.
// After every step the windows and the main window's modes must still be in
// a state that the program's mode rules allow.

#include "support/guitest.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <map>

using guitest::Session;
using tavelo::EntryScreen;
using tavelo::ScreenId;
using tavelo::TotalForm;

namespace {

// Texts a user might type: numbers in and out of range, fractions, blanks,
// letters, times typed with a colon, full-width digits, huge exponents, emoji.
const QStringList kOddTexts{"-1",  "60",    "75",    "59.5", "-0.5",  "abc",      "1:30", "1e400",
                            "1e5", "😀",     "１２",  "３０", " ",     " 7 ",      "2.5",  "3.5",
                            "-0",  "40000", "32767", "0.0",  "99999", "nan",      "inf",  "0x1",
                            "1,5", "+4",    "4.",    ".5",   "1e-3",  "５：３０", "546",  "999"};

QString actionName(const QWidget *w)
{
    return w->window()->objectName() + QLatin1Char('.') + w->objectName();
}

class Walk {
public:
    Walk(Session &session, quint32 seed) : s(session), rng(seed), seed_(seed) {}

    // Runs one random step; returns a description of it.
    QString step()
    {
        stepFailed = false;
        const int roll = int(rng.bounded(100));
        if (roll < 30)
            return clickButton();
        if (roll < 72)
            return typeText();
        if (roll < 84)
            return pressKey();
        if (roll < 90)
            return closeWindow();
        return fillScreen();
    }

    // An empty text when the windows are in an allowed state, else what is wrong.
    QString problems() const
    {
        QStringList found;
        std::map<QString, int> visibleNames;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            ++visibleNames[w->objectName()];
            if (tavelo::windows::find(w->objectName()) != w)
                found << QStringLiteral("visible window %1 is not the registered one")
                             .arg(w->objectName());
        }
        for (const auto &[name, count] : visibleNames)
            if (count > 1)
                found << QStringLiteral("%1 visible %2 times").arg(name).arg(count);

        const guitest::MainView &m = s.main;
        for (const QWidget *w :
             std::initializer_list<const QWidget *>{m->total, m->goukei, m->command3})
            if (!w->isEnabled())
                found << w->objectName() + QStringLiteral(" disabled");
        for (const QWidget *w : std::initializer_list<const QWidget *>{
                 m.window, m->label3, m->label5, m->label6, m->list1, m->text3, m->text4})
            if (!w->isVisible())
                found << w->objectName() + QStringLiteral(" hidden");
        const bool totalMode = m->gokei->isVisible();
        if (totalMode == m->nokori->isVisible())
            found << QStringLiteral("Nokori and Gokei both %1").arg(totalMode ? "shown" : "hidden");
        for (const QWidget *w :
             std::initializer_list<const QWidget *>{m->label1, m->totaltxt, m->label2})
            if (w->isVisible() == totalMode)
                found << QStringLiteral("%1 %2 with Gokei %3")
                             .arg(w->objectName(), w->isVisible() ? "shown" : "hidden",
                                  totalMode ? "shown" : "hidden");
        if (totalMode && (m->nyuryoku->isEnabled() || m->teisei->isEnabled()))
            found << QStringLiteral("Nyuryoku or Teisei enabled in total mode");
        if (totalMode && !m->goteisei->isEnabled())
            found << QStringLiteral("Goteisei disabled in total mode");

        const QString t3 = m->text3->text();
        const QString t4 = m->text4->text();
        if (t3.isEmpty() != t4.isEmpty())
            found << QStringLiteral("only one result field filled: '%1' '%2'").arg(t3, t4);
        // Negative values stand only behind the over-capacity message; once a
        // step is over, results are never below zero.
        if (!t3.isEmpty() && !isNumberIn(t3, 0, 546))
            found << QStringLiteral("Text3 '%1'").arg(t3);
        if (!t4.isEmpty() && !isNumberIn(t4, 0, 59))
            found << QStringLiteral("Text4 '%1'").arg(t4);
        if (m->list1->count() > 30)
            found << QStringLiteral("List1 has %1 lines").arg(m->list1->count());
        return found.join(QStringLiteral("; "));
    }

    // What the walk reached, to make sure it exercised the program.
    std::map<QString, int> reached;

    // A helper of the last step failed (and recorded why).
    bool stepFailed = false;

    void noteState()
    {
        const guitest::MainView &m = s.main;
        if (!m->text3->text().isEmpty())
            ++reached[m->gokei->isVisible() ? QStringLiteral("total shown")
                                            : QStringLiteral("remaining shown")];
        for (QWidget *w : openWindows())
            ++reached[QStringLiteral("open ") + w->objectName()];
    }

private:
    static bool isNumberIn(const QString &text, int low, int high)
    {
        static const QRegularExpression plain(QStringLiteral("^(0|-?[1-9][0-9]*)$"));
        if (!plain.match(text).hasMatch())
            return false;
        const int value = text.toInt();
        return value >= low && value <= high;
    }

    std::vector<QWidget *> openWindows() const
    {
        std::vector<QWidget *> open{s.main};
        if (QWidget *dialog = tavelo::windows::find(TotalForm::kName))
            open.push_back(dialog);
        for (ScreenId id : tavelo::kAllScreens)
            if (EntryScreen *screen = tavelo::windows::findScreen(id))
                open.push_back(screen);
        return open;
    }

    template <typename T>
    T pick(const std::vector<T> &items)
    {
        return items.at(rng.bounded(int(items.size())));
    }

    QString randomText()
    {
        const int roll = int(rng.bounded(100));
        if (roll < 20)
            return QString();
        if (roll < 45)
            return QString::number(rng.bounded(60));
        if (roll < 65)
            return QString::number(rng.bounded(13));
        if (roll < 70)
            return QStringLiteral("0") + QString::number(rng.bounded(10));
        return kOddTexts.at(rng.bounded(int(kOddTexts.size())));
    }

    QString clickButton()
    {
        std::vector<QPushButton *> buttons;
        for (QWidget *w : openWindows())
            for (QPushButton *b : w->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
                if (b->isVisible() && b->isEnabled())
                    buttons.push_back(b);
        QPushButton *button = pick(buttons);
        const QString name =
            QStringLiteral("click %1 (%2)").arg(actionName(button), button->text());
        stepFailed = !guitest::click(button);
        return name;
    }

    QString typeText()
    {
        std::vector<QLineEdit *> boxes;
        for (QWidget *w : openWindows())
            for (QLineEdit *e : w->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
                if (e->isVisible() && e->isEnabled() && !e->isReadOnly())
                    boxes.push_back(e);
        if (boxes.empty())
            return QStringLiteral("no box to type into");
        QLineEdit *box = pick(boxes);
        const QString text = randomText();
        stepFailed = !guitest::type(box, text);
        return QStringLiteral("type '%1' into %2").arg(text, actionName(box));
    }

    QString pressKey()
    {
        QWidget *window = pick(openWindows());
        const bool enter = rng.bounded(2) == 0;
        QWidget *target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, enter ? Qt::Key_Return : Qt::Key_Escape);
        return QStringLiteral("%1 on %2").arg(enter ? "Enter" : "Esc", actionName(target));
    }

    QString closeWindow()
    {
        std::vector<QWidget *> open = openWindows();
        open.erase(open.begin());  // never the main window
        if (open.empty())
            return QStringLiteral("nothing to close");
        QWidget *window = pick(open);
        const QString name = window->objectName();
        window->close();
        return QStringLiteral("close box of %1").arg(name);
    }

    // Types plausible times into the rows of an open screen, so that
    // calculations succeed often enough to reach every state.
    QString fillScreen()
    {
        std::vector<EntryScreen *> screens;
        for (QWidget *w : openWindows())
            if (auto *screen = qobject_cast<EntryScreen *>(w))
                screens.push_back(screen);
        if (screens.empty())
            return QStringLiteral("no screen to fill");
        EntryScreen *screen = pick(screens);
        const int first = guitest::firstVisibleSlot(screen);
        for (int slot = first; slot < first + tavelo::kRowsPerPage; ++slot) {
            const bool song = rng.bounded(3) == 0;
            const QString minutes = song ? QString::number(rng.bounded(10)) : QString();
            const QString seconds = song ? QString::number(rng.bounded(60)) : QString();
            if (!guitest::type(guitest::minuteBox(screen, slot), minutes) ||
                !guitest::type(guitest::secondBox(screen, slot), seconds)) {
                stepFailed = true;
                break;
            }
        }
        return QStringLiteral("fill %1 with times").arg(screen->objectName());
    }

    Session &s;
    QRandomGenerator rng;
    quint32 seed_;
};

}  // namespace

class Test_randomwalk : public QObject {
    Q_OBJECT
private slots:
    void walk_data();
    void walk();
};

void Test_randomwalk::walk_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    QTest::newRow("seed 20240611") << quint32(20240611) << 3000;
    QTest::newRow("seed 2718") << quint32(2718) << 3000;
    QTest::newRow("seed 31415") << quint32(31415) << 3000;
}

void Test_randomwalk::walk()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);

    Session s;
    Walk walk(s, seed);
    QStringList recent;
    for (int i = 0; i < steps; ++i) {
        recent << QStringLiteral("%1: %2").arg(i).arg(walk.step());
        if (recent.size() > 12)
            recent.removeFirst();
        guitest::settle();
        const QString where = QStringLiteral("seed %1, step %2; last steps:\n  %3")
                                  .arg(seed)
                                  .arg(i)
                                  .arg(recent.join(QStringLiteral("\n  ")));
        QVERIFY2(!walk.stepFailed && !QTest::currentTestFailed(), qPrintable(where));
        const QString problems = walk.problems();
        QVERIFY2(problems.isEmpty(), qPrintable(problems + QStringLiteral("\n") + where));
        walk.noteState();
    }

    // The walk must have reached both modes with results and every window.
    QStringList missing;
    for (const char *state : {"total shown", "remaining shown", "open TotalForm",
                              "open NyuryokuForm", "open NyuryokuForm2", "open NyuryokuForm3",
                              "open NyuryokuForm4", "open NyuryokuForm5", "open NyuryokuForm6"})
        if (walk.reached[QString::fromLatin1(state)] == 0)
            missing << QString::fromLatin1(state);
    QVERIFY2(
        missing.isEmpty(),
        qPrintable(QStringLiteral("seed %1 never reached: %2").arg(seed).arg(missing.join(", "))));
    std::map<QString, int> messages;
    for (const QString &text : s.messageTexts())
        ++messages[text];
    QStringList summary;
    for (const auto &[text, count] : messages)
        summary << QStringLiteral("%1 x%2").arg(text).arg(count);
    for (const auto &[state, count] : walk.reached)
        summary << QStringLiteral("%1: %2 steps").arg(state).arg(count);
    qInfo("seed %u: %d end requests; %s", seed, s.endRequests, qPrintable(summary.join(", ")));
}

GUITEST_MAIN(Test_randomwalk)
#include "test_randomwalk.moc"

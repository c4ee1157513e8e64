// SPDX-License-Identifier: MIT
// What the program's handlers cost, each beside a bare baseline that does
// only the widget work any program showing the same thing has to do: a plain
// QWidget with plain labels, boxes and buttons of the same number, places and
// texts, in the application font. Every figure runs from the user's action
// to the result painted (on the offscreen platform), and each is checked once
// before it is timed to really end where it should: painted, and the result
// shown. The operations alone are timed on plain data, without windows.
//
//   bench_handlers                  times everything (use a release build)
//   bench_handlers -iterations 1    one pass of each, as the smoke test does

#include "calc/operations.h"
#include "support/guitest.h"

#include <memory>
#include <vector>

using guitest::EntryScreen;
using guitest::ScreenId;
using guitest::Session;

namespace {

// A window's controls, as what a plain copy needs: kind, name, place, text,
// and for a label whether it wraps its lines (a note must, to be read).
struct ControlCopy {
    enum Kind { Label, LineEdit, Button, List } kind;
    QString name;
    QRect geometry;
    QString text;
    bool hidden;
    bool wrapped = false;
};

struct WindowCopy {
    QSize size;
    std::vector<ControlCopy> controls;
};

WindowCopy copyOf(const QWidget *window)
{
    WindowCopy copy{window->size(), {}};
    for (const QWidget *w : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        ControlCopy c{ControlCopy::Label, w->objectName(), w->geometry(), {}, w->isHidden()};
        if (auto *label = qobject_cast<const QLabel *>(w)) {
            c.text = label->text();
            c.wrapped = label->wordWrap();
        } else if (auto *edit = qobject_cast<const QLineEdit *>(w)) {
            c.kind = ControlCopy::LineEdit;
            c.text = edit->text();
        } else if (auto *button = qobject_cast<const QPushButton *>(w)) {
            c.kind = ControlCopy::Button;
            c.text = button->text();
        } else if (qobject_cast<const QListWidget *>(w)) {
            c.kind = ControlCopy::List;
        } else {
            continue;
        }
        copy.controls.push_back(c);
    }
    return copy;
}

// The bare window: plain controls where the program's window has its own,
// the boxes empty until fill() writes the texts the copy holds.
class PlainWindow : public QWidget {
public:
    explicit PlainWindow(const WindowCopy &copy)
    {
        setFixedSize(copy.size);
        for (const ControlCopy &c : copy.controls) {
            QWidget *w = nullptr;
            switch (c.kind) {
            case ControlCopy::Label: {
                auto *label = new QLabel(c.text, this);
                label->setWordWrap(c.wrapped);
                w = label;
                break;
            }
            case ControlCopy::LineEdit:
                w = new QLineEdit(this);
                texts_.emplace_back(static_cast<QLineEdit *>(w), c.text);
                break;
            case ControlCopy::Button: w = new QPushButton(c.text, this); break;
            case ControlCopy::List: w = new QListWidget(this); break;
            }
            w->setObjectName(c.name);
            w->setGeometry(c.geometry);
            w->setHidden(c.hidden);
        }
    }

    void fill()
    {
        for (const auto &[box, text] : texts_)
            box->setText(text);
    }

private:
    std::vector<std::pair<QLineEdit *, QString>> texts_;
};

// Counts the paint events a window and its controls receive.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *window)
    {
        window->installEventFilter(this);
        for (QWidget *w : window->findChildren<QWidget *>())
            w->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Keeps a window open: its close is refused, so that a button that closes it
// can be pressed again and again.
class RefuseClose : public QObject {
public:
    explicit RefuseClose(QWidget *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        return true;
    }
};

void paintNow() { QCoreApplication::processEvents(); }

const QStringList kThreeMinutes = guitest::rows("15*3:00");

// Thirty songs of 3:00 typed the way a user types them, on a tape of 150
// minutes: page 1, 続けて入力, page 2. Returns page 2, filled and open.
EntryScreen *typeThirtySongs(const guitest::MainView &main)
{
    GUITEST_VERIFY(guitest::acceptCapacity(main, QStringLiteral("150")));
    EntryScreen *pageOne = guitest::openPageOne(main, false, kThreeMinutes);
    GUITEST_VERIFY(pageOne);
    EntryScreen *pageTwo = guitest::continueToPageTwo(pageOne);
    GUITEST_VERIFY(pageTwo);
    GUITEST_VERIFY(guitest::typeRows(pageTwo, kThreeMinutes));
    return pageTwo;
}

tavelo::MainState thirtySongState()
{
    tavelo::MainState state;
    state.capacity = QStringLiteral("150");
    state.entryEnabled = true;
    state.correctionEnabled = true;
    state.songs.fill({QStringLiteral("3"), QStringLiteral("00")});
    return state;
}

}  // namespace

class Bench_handlers : public QObject {
    Q_OBJECT
private slots:
    void openPageTwo_data();
    void openPageTwo();
    void calculateThirtySongs_data();
    void calculateThirtySongs();
    void openFilledCorrection_data();
    void openFilledCorrection();
    void operationsAlone_data();
    void operationsAlone();
};

void Bench_handlers::openPageTwo_data()
{
    guitest::addFlagRows("bare", "NyuryokuForm2", "baseline");
}

// Opening NyuryokuForm2 through the window registry, painted, then closed.
void Bench_handlers::openPageTwo()
{
    QFETCH(bool, bare);
    Session s;
    const WindowCopy copy = copyOf(guitest::program().showScreen(ScreenId::Page2));
    delete guitest::screen(ScreenId::Page2);
    const auto open = [&]() -> std::unique_ptr<QWidget> {
        if (!bare)
            return std::unique_ptr<QWidget>(guitest::program().showScreen(ScreenId::Page2));
        auto plain = std::make_unique<PlainWindow>(copy);
        plain->show();
        return plain;
    };
    {
        const std::unique_ptr<QWidget> window = open();
        const PaintCounter counter(window.get());
        paintNow();
        QVERIFY(counter.paints > 0);
        QCOMPARE(window->findChildren<QLineEdit *>().size(), 30);
    }
    QBENCHMARK
    {
        const std::unique_ptr<QWidget> window = open();
        paintNow();
    }
}

void Bench_handlers::calculateThirtySongs_data()
{
    guitest::addFlagRows("bare", "NyuryokuForm2 Command2", "baseline");
}

// 残り時間を出す on NyuryokuForm2 with thirty songs, from the click to the main
// window painted with the list and the result. Page 2 is kept open (its close
// is refused) so that the click can be repeated; the last song alternates
// between 3:01 and 3:02, so that every click lists all thirty lines anew.
// The baseline clicks the same button of a plain copy of page 2, which fills
// a plain copy of the main window with the same lines and results.
void Bench_handlers::calculateThirtySongs()
{
    QFETCH(bool, bare);
    Session s;
    EntryScreen *pageTwo = typeThirtySongs(s.main);
    QVERIFY(pageTwo);
    const RefuseClose keepOpen(pageTwo);

    const QStringList lines[2] = {guitest::rows("29*3:00") << QStringLiteral("3:01"),
                                  guitest::rows("29*3:00") << QStringLiteral("3:02")};
    const QString lastTexts[2] = {QStringLiteral("1"), QStringLiteral("2")};
    const QString resultSeconds[2] = {QStringLiteral("59"), QStringLiteral("58")};
    int which = 0;

    PlainWindow plainPage(copyOf(pageTwo));
    PlainWindow plainMain(copyOf(s.main));
    QWidget *page = pageTwo;
    QWidget *main = s.main.window;
    if (bare) {
        page = &plainPage;
        main = &plainMain;
        auto *list = guitest::control<QListWidget>(main, QStringLiteral("List1"));
        auto *minutes = guitest::control<QLineEdit>(main, QStringLiteral("Text3"));
        auto *seconds = guitest::control<QLineEdit>(main, QStringLiteral("Text4"));
        connect(guitest::button(page, "Command2"), &QPushButton::clicked, page,
                [&, list, minutes, seconds] {
                    list->clear();
                    list->addItems(lines[which]);
                    minutes->setText(QStringLiteral("59"));
                    seconds->setText(resultSeconds[which]);
                });
        plainMain.show();
        plainPage.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plainMain));
        QVERIFY(QTest::qWaitForWindowExposed(&plainPage));
    }
    auto *lastSeconds = guitest::control<QLineEdit>(page, QStringLiteral("Text2(29)"));
    QPushButton *calculate = guitest::button(page, "Command2");
    QVERIFY(calculate);
    int round = 0;
    const auto once = [&] {
        which = ++round % 2;
        lastSeconds->setText(lastTexts[which]);
        QTest::mouseClick(calculate, Qt::LeftButton);
        paintNow();
    };
    {
        const PaintCounter counter(main);
        once();
        QVERIFY(counter.paints > 0);
        QCOMPARE(guitest::control<QLineEdit>(main, QStringLiteral("Text4"))->text(),
                 resultSeconds[1]);
        if (!bare) {
            QCOMPARE(s.listLines(), lines[1]);
            QCOMPARE(s.main.text3->text(), QStringLiteral("59"));
            QVERIFY(s.messages.empty());
        }
    }
    QBENCHMARK { once(); }
}

void Bench_handlers::openFilledCorrection_data()
{
    guitest::addFlagRows("bare", "Teisei NyuryokuForm3", "baseline");
}

// 訂正 after a calculation of thirty songs: NyuryokuForm3 opens with all
// thirty texts written into it, painted, then closed.
void Bench_handlers::openFilledCorrection()
{
    QFETCH(bool, bare);
    Session s;
    QVERIFY(guitest::press(typeThirtySongs(s.main)));
    QVERIFY(s.main.teisei->isEnabled());
    QVERIFY(guitest::click(s.main.teisei));
    EntryScreen *filled = guitest::screen(ScreenId::Correction);
    QVERIFY(filled);
    QCOMPARE(guitest::slotText(filled, tavelo::kSlotCount - 1), QStringLiteral("3|00"));
    const WindowCopy copy = copyOf(filled);
    delete filled;

    const auto open = [&]() -> std::unique_ptr<QWidget> {
        if (!bare) {
            QTest::mouseClick(s.main.teisei, Qt::LeftButton);
            return std::unique_ptr<QWidget>(guitest::screen(ScreenId::Correction));
        }
        auto plain = std::make_unique<PlainWindow>(copy);
        plain->show();
        plain->fill();
        return plain;
    };
    {
        const std::unique_ptr<QWidget> window = open();
        QVERIFY(window);
        const PaintCounter counter(window.get());
        paintNow();
        QVERIFY(counter.paints > 0);
        QCOMPARE(copyOf(window.get()).controls.size(), copy.controls.size());
    }
    QBENCHMARK
    {
        const std::unique_ptr<QWidget> window = open();
        paintNow();
    }
}

void Bench_handlers::operationsAlone_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("calculate") << 0;
    QTest::newRow("continueOnPageTwo") << 1;
    QTest::newRow("openCorrection") << 2;
}

// The rules alone, on plain data: thirty songs of 3:00 on a 150-minute tape.
void Bench_handlers::operationsAlone()
{
    QFETCH(int, operation);
    const tavelo::MainState state = thirtySongState();
    const tavelo::Slots texts = state.songs;
    const auto run = [&] {
        switch (operation) {
        case 0: return tavelo::calculate(state, ScreenId::Page2, texts);
        case 1: return tavelo::continueOnPageTwo(state, ScreenId::Entry, texts);
        default: return tavelo::openCorrection(state, ScreenId::Correction);
        }
    };
    // Each ends as a successful press does: the screen closes, or the
    // correction screen gets all thirty slots.
    const tavelo::Outcome outcome = run();
    if (operation == 2)
        QCOMPARE(outcome.size(), std::size_t(1 + tavelo::kSlotCount));
    else
        QVERIFY(std::holds_alternative<tavelo::CloseScreen>(outcome.back()));
    std::size_t effects = 0;
    QBENCHMARK { effects += run().size(); }
    QVERIFY(effects > 0);
}

GUITEST_MAIN(Bench_handlers)

#include "bench_handlers.moc"

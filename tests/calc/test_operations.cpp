// SPDX-License-Identifier: MIT
// What each button works out, on plain data: the worked examples of the
// calculations, the hand-offs, the correction screens and the capacity
// dialog, with the order of what they do. No windows, no QApplication.

#include "calc/operations.h"
#include "support/valuetest.h"

#include <QTest>

#include <map>

using namespace tavelo;

Q_DECLARE_METATYPE(tavelo::ScreenId)

namespace {

const char *nameOf(ScreenId id)
{
    static const char *names[] = {"NyuryokuForm",  "NyuryokuForm2", "NyuryokuForm3",
                                  "NyuryokuForm4", "NyuryokuForm5", "NyuryokuForm6"};
    return names[static_cast<int>(id)];
}

// Times in the notation of valuetest::rows: "4:30 15*3:0 4: :".
QList<SongTime> times(const QString &written)
{
    QList<SongTime> out;
    for (const QString &row : valuetest::rows(written))
        out.append({row.section(QLatin1Char(':'), 0, 0), row.section(QLatin1Char(':'), 1)});
    return out;
}

// The list lines, in the same notation: "4:30 13*0:00".
QStringList lines(const QString &written)
{
    QStringList out;
    for (const SongTime &t : times(written))
        out << t.minutes + QLatin1Char(':') + t.seconds;
    return out;
}

Slots slotsFrom(const QString &carry, const QString &rows, int firstRow)
{
    Slots texts;
    const QList<SongTime> carried = times(carry), typed = times(rows);
    for (int k = 0; k < carried.size(); ++k)
        texts.at((firstRow + kRowsPerPage + k) % kSlotCount) = carried.at(k);
    for (int k = 0; k < typed.size(); ++k)
        texts.at(firstRow + k) = typed.at(k);
    return texts;
}

// The program as plain data: carries out an outcome the way the windows do.
struct World {
    explicit World(MainState start = {}) : main(std::move(start)) {}

    MainState main;
    std::map<ScreenId, Slots> open;
    QStringList messages;  // each with the result shown while it was up
    QString focus;
    QStringList log;  // one word per effect, in order

    void apply(const Outcome &outcome)
    {
        for (const Effect &effect : outcome) {
            if (auto *e = std::get_if<ShowScreen>(&effect)) {
                open.try_emplace(e->screen);
                log << QStringLiteral("show %1").arg(nameOf(e->screen));
            } else if (auto *e = std::get_if<WriteSlot>(&effect)) {
                QVERIFY2(open.count(e->screen), "a write into a closed screen");
                open[e->screen].at(e->slot) = e->time;
                log << QStringLiteral("write %1(%2)").arg(nameOf(e->screen)).arg(e->slot);
            } else if (auto *e = std::get_if<UpdateMain>(&effect)) {
                main = e->state;
                log << QStringLiteral("main");
            } else if (auto *e = std::get_if<ShowMessage>(&effect)) {
                messages << QStringLiteral("%1 %2,%3")
                                .arg(messageText(e->message), main.resultMinutes,
                                     main.resultSeconds);
                log << QStringLiteral("message");
            } else if (auto *e = std::get_if<FocusSlot>(&effect)) {
                focus = QStringLiteral("%1 Text%2(%3)")
                            .arg(nameOf(e->screen))
                            .arg(e->field == Field::Minutes ? 1 : 2)
                            .arg(e->slot);
                log << QStringLiteral("focus");
            } else if (std::holds_alternative<FocusCapacity>(effect)) {
                focus = QStringLiteral("Totaltxt");
            } else if (std::holds_alternative<FocusDialog>(effect)) {
                focus = QStringLiteral("TotalForm Text1");
            } else if (auto *e = std::get_if<CloseScreen>(&effect)) {
                open.erase(e->screen);
                log << QStringLiteral("close %1").arg(nameOf(e->screen));
            } else if (std::holds_alternative<CloseDialog>(effect)) {
                log << QStringLiteral("close TotalForm");
            }
        }
    }
};

// A main window in remaining mode with the given capacity, as after OK in
// the capacity dialog.
MainState withCapacity(const QString &capacity)
{
    MainState main;
    takeCapacity(main, capacity);
    return main;
}

}  // namespace

class TestOperations : public QObject {
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void failingRowKeepsWhatWasDone();
    void refusals_data();
    void refusals();
    void continueOnPageTwo_data();
    void continueOnPageTwo();
    void correctOnPageTwo();
    void openCorrection();
    void acceptCapacity_data();
    void acceptCapacity();
    void editCapacity_data();
    void editCapacity();
    void titlesFollowTimes();
};

void TestOperations::calculate_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("carry");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");  // with the result shown behind it

    const QString over = messageText(Message::OverCapacity);
    const auto remaining = [](const char *name, const char *capacity,
                              const char *rows) -> QTestData & {
        return QTest::newRow(name) << ScreenId::Entry << QString::fromUtf8(capacity) << QString()
                                   << QString::fromUtf8(rows);
    };
    remaining("23; 4:30 3:45", "23", "4:30 3:45") << "4:30 3:45 13*0:00" << "14 45" << "";
    remaining("10; exactly full", "10", "9:30 0:30") << "9:30 0:30 13*0:00" << "0 0" << "";
    remaining("10; one second over", "10", "5:30 4:31") << "5:30 4:31 13*0:00" << "0 0" << over + " 0,-1";
    remaining("10; 100 seconds over", "10", "6:0 5:40") << "6:00 5:40 13*0:00" << "0 0" << over + " -1,-40";
    remaining("46; all empty", "46", "") << "15*0:00" << "46 0" << "";
    remaining("10; seconds carry", "10", "4:00 3*0:59") << "4:00 3*0:59 11*0:00" << "3 3" << "";
    remaining("10; half-empty rows", "10", "4: :30 5:07") << "2*0:00 5:07 12*0:00" << "4 53" << "";
    remaining("0.375 is 22 seconds", "0.375", "") << "15*0:00" << "0 22" << "";
    remaining("546; largest shown", "546", "") << "15*0:00" << "546 0" << "";
    remaining("0; 546:59 over", "0", "546:59") << "546:59 14*0:00" << "0 0" << over + " -546,-59";
    remaining("120 minutes pass", "200", "120:00") << "120:00 14*0:00" << "80 0" << "";
    remaining("2.5 and 3.5 minutes", "10", "2.5:0 3.5:0") << "2.5:00 3.5:00 13*0:00" << "4 0" << "";
    remaining("seconds as typed in the list", "10", "04:30 4:7") << "04:30 4:07 13*0:00" << "1 23" << "";
    remaining("full-width capacity and row", "２３", "４:３０ 3:45") << "４:30 3:45 13*0:00" << "14 45" << "";
    QTest::newRow("page 2; 46; 15*3:0 then 1:30") << ScreenId::Page2 << "46" << "15*3:0" << "1:30" << "15*3:00 1:30 14*0:00" << "0 0" << over + " 0,-30";
    QTest::newRow("correction screen counts its 15 rows only") << ScreenId::Correction << "10" << "5*9:0" << "4:30" << "4:30 14*0:00" << "5 30" << "";

    const auto total = [](const char *name, ScreenId screen, const char *carry,
                          const char *rows) -> QTestData & {
        return QTest::newRow(name)
               << screen << QString() << QString::fromUtf8(carry) << QString::fromUtf8(rows);
    };
    total("total 4:30 3:45 10:50", ScreenId::TotalEntry, "", "4:30 3:45 10:50") << "4:30 3:45 10:50 12*0:00" << "19 5" << "";
    total("total 4:00 3*0:59", ScreenId::TotalEntry, "", "4:00 3*0:59") << "4:00 3*0:59 11*0:00" << "6 57" << "";
    total("total all empty", ScreenId::TotalEntry, "", "") << "15*0:00" << "0 0" << "";
    total("total ten 54:40", ScreenId::TotalEntry, "", "10*54:40") << "10*54:40 5*0:00" << "546 40" << "";
    total("total page 2", ScreenId::TotalPage2, "15*4:00", "5:15") << "15*4:00 5:15 14*0:00" << "65 15" << "";
    total("total correction ignores carry", ScreenId::TotalCorrection, "3*1:0", "2:0") << "2:00 14*0:00" << "2 0" << "";
    // clang-format on
}

void TestOperations::calculate()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, capacity);
    QFETCH(QString, carry);
    QFETCH(QString, rows);
    QFETCH(QString, list);
    QFETCH(QString, result);
    QFETCH(QString, message);

    World world(withCapacity(capacity));
    const Slots typed = slotsFrom(carry, rows, firstVisibleSlot(screen));
    world.open[screen] = typed;
    world.apply(tavelo::calculate(world.main, screen, typed));

    QCOMPARE(world.main.list, lines(list));
    QCOMPARE(world.main.resultMinutes + QLatin1Char(' ') + world.main.resultSeconds, result);
    QCOMPARE(world.messages.join(QLatin1Char('|')), message);
    // The screen closes after a result that fits, and stays open otherwise.
    QCOMPARE(world.open.count(screen) == 0, message.isEmpty());
    QCOMPARE(world.main.totalMode, isTotalScreen(screen));

    // The song table holds what was walked, blank rows as 0:00; a page-1 or
    // correction screen sets songs 16-30 to 0:00.
    const bool pageTwo = roleOf(screen) == ScreenRole::PageTwo;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SongTime expected = slot < kRowsPerPage || pageTwo ? typed.at(slot) : zeroTime();
        if (expected.minutes.isEmpty() || expected.seconds.isEmpty())
            expected = zeroTime();
        QCOMPARE(world.main.songs.at(slot), expected);
    }
}

void TestOperations::failingRowKeepsWhatWasDone()
{
    // The second row fails after 4:30: its texts are stored, the list holds
    // the first row only, the result stays, and the mode change stands.
    World world(withCapacity(QStringLiteral("46")));
    world.main.resultMinutes = QStringLiteral("7");
    world.main.resultSeconds = QStringLiteral("8");
    const Slots typed = slotsFrom({}, QStringLiteral("4:30 3:75 : -1:0"), 0);
    world.apply(tavelo::calculate(world.main, ScreenId::Entry, typed));

    QCOMPARE(world.messages,
             QStringList{messageText(Message::BadSeconds) + QStringLiteral(" 7,8")});
    QCOMPARE(world.focus, QStringLiteral("NyuryokuForm Text2(1)"));
    QCOMPARE(world.main.list, QStringList{QStringLiteral("4:30")});
    QCOMPARE(world.main.songs.at(1), (SongTime{QStringLiteral("3"), QStringLiteral("75")}));
    QCOMPARE(world.main.songs.at(16), zeroTime());
    QCOMPARE(world.main.songs.at(2), SongTime{});  // after the failing row: untouched
    QVERIFY(world.main.correctionEnabled);
    QCOMPARE(world.log, (QStringList{"main", "message", "focus"}));
}

void TestOperations::refusals_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("listed");

    const auto row = [](const char *name, const char *rows) -> QTestData & {
        return QTest::newRow(name)
               << ScreenId::Entry << QStringLiteral("46") << QString::fromUtf8(rows);
    };
    row("minutes -1", "-1:0") << messageText(Message::BadMinutes) << "NyuryokuForm Text1(0)" << 0;
    row("minutes -0.5", "-0.5:0") << messageText(Message::BadMinutes) << "NyuryokuForm Text1(0)" << 0;
    row("minutes and seconds wrong", "-1:75") << messageText(Message::BadMinutes) << "NyuryokuForm Text1(0)" << 0;
    row("seconds 60", "4:60") << messageText(Message::BadSeconds) << "NyuryokuForm Text2(0)" << 0;
    row("seconds 59.5", "4:59.5") << messageText(Message::BadSeconds) << "NyuryokuForm Text2(0)" << 0;
    row("rows 3 and 5 wrong", "1:0 1:0 1:99 1:0 -1:0") << messageText(Message::BadSeconds) << "NyuryokuForm Text2(2)" << 2;
    row("letters", "4:abc") << messageText(Message::BadSeconds) << "NyuryokuForm Text2(0)" << 0;
    row("a time typed as 1:30", "1.30.0:0") << messageText(Message::BadMinutes) << "NyuryokuForm Text1(0)" << 0;
    row("minutes beyond 16 bits", "40000:0") << messageText(Message::MinutesTooLarge) << "NyuryokuForm Text1(0)" << 0;
    QTest::newRow("capacity unreadable") << ScreenId::Entry << "abc" << "4:30" << messageText(Message::BadCapacity) << "Totaltxt" << 0;
    QTest::newRow("capacity beyond 32 bits") << ScreenId::Entry << "1e400x" << "" << messageText(Message::BadCapacity) << "Totaltxt" << 0;
    QTest::newRow("capacity seconds beyond 32 bits") << ScreenId::Entry << "40000000" << "" << messageText(Message::CapacityTooLarge) << "Totaltxt" << 0;
    QTest::newRow("remaining above 546:59") << ScreenId::Entry << "547" << "" << messageText(Message::RemainingTooLarge) << "" << 15;
    QTest::newRow("total of 546:60") << ScreenId::TotalEntry << "" << "10*54:40 0:200.0e-1" << messageText(Message::TotalTooLarge) << "" << 15;
    QTest::newRow("total of 547 minutes") << ScreenId::TotalEntry << "" << "547:0" << messageText(Message::TotalTooLarge) << "" << 15;
    QTest::newRow("page 2 carry slot fails") << ScreenId::Page2 << "46" << "" << messageText(Message::BadMinutes) << "NyuryokuForm2 Text1(3)" << 3;
    // clang-format on
}

void TestOperations::refusals()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, capacity);
    QFETCH(QString, rows);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(int, listed);

    World world(withCapacity(capacity));
    Slots typed = slotsFrom({}, rows, firstVisibleSlot(screen));
    if (roleOf(screen) == ScreenRole::PageTwo)
        typed.at(3) = {QStringLiteral("-3"), QStringLiteral("0")};  // a carried song that fails
    world.open[screen] = typed;
    world.apply(tavelo::calculate(world.main, screen, typed));

    QCOMPARE(world.messages.size(), 1);
    QVERIFY2(world.messages.front().startsWith(message), qPrintable(world.messages.front()));
    QCOMPARE(world.focus, focus);
    QCOMPARE(world.main.list.size(), listed);
    QVERIFY(world.open.count(screen));  // the screen stays open
    QVERIFY(world.main.resultMinutes.isEmpty() && world.main.resultSeconds.isEmpty());
}

void TestOperations::continueOnPageTwo_data()
{
    // clang-format off
    QTest::addColumn<QString>("rows");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<int>("copied");  // slots of page 2 written
    QTest::addColumn<QString>("focus");

    QTest::newRow("all valid") << "15*4:05" << true << 15 << "";
    QTest::newRow("seconds 75 in row 4") << "3*4:00 3:75 4:00" << false << 4 << "NyuryokuForm Text2(3)";
    QTest::newRow("half-empty rows pass") << "4: : 3:05" << true << 15 << "";
    QTest::newRow("first row fails") << "-1:0" << false << 1 << "NyuryokuForm Text1(0)";
    // clang-format on
}

void TestOperations::continueOnPageTwo()
{
    QFETCH(QString, rows);
    QFETCH(bool, passes);
    QFETCH(int, copied);
    QFETCH(QString, focus);

    World world(withCapacity(QStringLiteral("46")));
    const Slots typed = slotsFrom({}, rows, 0);
    world.open[ScreenId::Entry] = typed;
    // Page 2 is open with songs 16-30 typed: those stay.
    Slots pageTwo;
    pageTwo.at(20) = {QStringLiteral("9"), QStringLiteral("9")};
    pageTwo.at(10) = {QStringLiteral("old"), QStringLiteral("old")};
    world.open[ScreenId::Page2] = pageTwo;
    const Outcome outcome = tavelo::continueOnPageTwo(world.main, ScreenId::Entry, typed);
    QVERIFY(std::holds_alternative<ShowScreen>(outcome.front()));  // page 2 comes first
    world.apply(outcome);

    QCOMPARE(world.open.count(ScreenId::Entry) == 0, passes);
    QCOMPARE(world.focus, focus);
    const Slots &target = world.open.at(ScreenId::Page2);
    for (int slot = 0; slot < kRowsPerPage; ++slot) {
        const SongTime &source = typed.at(slot);
        const bool blank = source.minutes.isEmpty() || source.seconds.isEmpty();
        const SongTime expected = slot >= copied ? pageTwo.at(slot) : blank ? zeroTime() : source;
        QCOMPARE(target.at(slot), expected);
        // Only the blank rule writes the song table.
        QCOMPARE(world.main.songs.at(slot), slot < copied && blank ? zeroTime() : SongTime{});
    }
    QCOMPARE(target.at(20), pageTwo.at(20));
    // The page-1 boxes keep what was typed.
    if (!passes)
        QCOMPARE(world.open.at(ScreenId::Entry), typed);
}

void TestOperations::correctOnPageTwo()
{
    // Row 2 has no seconds, carried song 17 fails: page 2 gets the texts as
    // they are, the correction screen shows 0 in its blank rows up to there.
    World world;
    Slots source = slotsFrom(QStringLiteral("5:0 -3:0"), QStringLiteral("4:30 2:"), 0);
    world.open[ScreenId::Correction] = source;
    world.apply(tavelo::correctOnPageTwo(ScreenId::Correction, source));

    const Slots &target = world.open.at(ScreenId::Page2);
    QCOMPARE(target.at(1), (SongTime{QStringLiteral("2"), QString()}));
    QCOMPARE(target.at(16), (SongTime{QStringLiteral("-3"), QStringLiteral("0")}));
    QCOMPARE(target.at(17), SongTime{});
    QCOMPARE(world.open.at(ScreenId::Correction).at(1), zeroTime());
    QCOMPARE(world.focus, QStringLiteral("NyuryokuForm3 Text1(16)"));
    QCOMPARE(world.main, MainState{});  // the song table is never written

    // Corrected, it passes and the correction screen closes.
    source.at(16).minutes = QStringLiteral("3");
    world.apply(tavelo::correctOnPageTwo(ScreenId::Correction, source));
    QVERIFY(!world.open.count(ScreenId::Correction));
    QCOMPARE(world.open.at(ScreenId::Page2).at(16).minutes, QStringLiteral("3"));
}

void TestOperations::openCorrection()
{
    MainState main;
    main.songs.at(0) = {QStringLiteral("4"), QStringLiteral("30")};
    main.songs.at(1) = {QStringLiteral("00"), QStringLiteral("0")};
    main.songs.at(2) = {QStringLiteral("0"), QStringLiteral("5")};
    main.songs.at(3) = {QStringLiteral(" 0.0 "), QStringLiteral("-0")};
    main.songs.at(4) = {QStringLiteral("3"), QStringLiteral("0")};
    main.songs.at(19) = {QStringLiteral("20"), QStringLiteral("05")};
    main.songs.at(20) = {QStringLiteral("abc"), QString()};

    World world(main);
    world.open[ScreenId::Correction].fill({QStringLiteral("edit"), QStringLiteral("edit")});
    world.apply(tavelo::openCorrection(main, ScreenId::Correction));
    const Slots &shown = world.open.at(ScreenId::Correction);
    QCOMPARE(shown.at(0), main.songs.at(0));
    QCOMPARE(shown.at(1), SongTime{});
    QCOMPARE(shown.at(2), main.songs.at(2));
    QCOMPARE(shown.at(3), SongTime{});
    QCOMPARE(shown.at(4), main.songs.at(4));
    QCOMPARE(shown.at(19), main.songs.at(19));  // texts are never reformatted
    QCOMPARE(shown.at(20), main.songs.at(20));  // no number: copied as it is
    QCOMPARE(shown.at(29), SongTime{});         // the unsaved edits are replaced
    QCOMPARE(world.main, main);
}

void TestOperations::acceptCapacity_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("46") << "46" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("45.5 stored as typed") << "45.5" << true;
    QTest::newRow("leading blank stored as typed") << " 46" << true;
    QTest::newRow("-5") << "-5" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("blanks") << "   " << false;
}

void TestOperations::acceptCapacity()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    MainState before;
    enterTotalMode(before);
    before.songs.at(0) = {QStringLiteral("4"), QStringLiteral("30")};
    World world(before);
    world.apply(tavelo::acceptCapacity(before, typed));
    if (accepted) {
        QCOMPARE(world.log, (QStringList{"main", "close TotalForm"}));
        QCOMPARE(world.main.capacity, typed);
        QVERIFY(!world.main.totalMode && world.main.entryEnabled);
        QCOMPARE(world.main.songs, before.songs);
    } else {
        QCOMPARE(world.messages,
                 QStringList{messageText(Message::BadMinutes) + QStringLiteral(" ,")});
        QCOMPARE(world.focus, QStringLiteral("TotalForm Text1"));
        QCOMPARE(world.main, before);
    }
}

// A key typed into Totaltxt: the text as typed becomes the capacity, through
// the state like every other change, and nothing else changes, whatever it says.
void TestOperations::editCapacity_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("46") << "46";
    QTest::newRow("emptied") << "";
    QTest::newRow("no number, kept") << "4a";
    QTest::newRow("negative, kept") << "-5";
}

void TestOperations::editCapacity()
{
    QFETCH(QString, typed);
    MainState before = withCapacity(QStringLiteral("30"));
    enterTotalMode(before);
    before.songs.at(0) = {QStringLiteral("4"), QStringLiteral("30")};
    before.list = QStringList{QStringLiteral("4:30")};
    World world(before);
    world.apply(tavelo::editCapacity(before, typed));
    QCOMPARE(world.log, QStringList{"main"});
    MainState expected = before;
    expected.capacity = typed;
    QCOMPARE(world.main, expected);
}

// A title goes wherever its two texts go, and is gone where the blank rule
// writes "0" and "0" in their place.
void TestOperations::titlesFollowTimes()
{
    const auto titlesOf = [](const Slots &table) {
        QStringList titles;
        for (int slot = 0; slot < 4; ++slot)
            titles << table.at(slot).title;
        return titles.join(u'|');
    };
    Slots typed;
    typed.at(0) = {"4", "30", "Song A / Band"};
    typed.at(1) = {"", "5", "Half a row"};
    typed.at(2) = {"3", "0", "Song C"};

    World page(withCapacity("46"));
    page.open[ScreenId::Entry] = typed;
    page.apply(tavelo::continueOnPageTwo(page.main, ScreenId::Entry, typed));
    QCOMPARE(titlesOf(page.open[ScreenId::Page2]), QStringLiteral("Song A / Band||Song C|"));

    World world(withCapacity("46"));
    world.open[ScreenId::Entry] = typed;
    world.apply(tavelo::calculate(world.main, ScreenId::Entry, typed));
    QCOMPARE(titlesOf(world.main.songs), QStringLiteral("Song A / Band||Song C|"));
    world.apply(tavelo::openCorrection(world.main, ScreenId::Correction));
    QCOMPARE(titlesOf(world.open[ScreenId::Correction]), QStringLiteral("Song A / Band||Song C|"));
    world.apply(tavelo::correctOnPageTwo(ScreenId::Correction, world.open[ScreenId::Correction]));
    QCOMPARE(titlesOf(world.open[ScreenId::Page2]), QStringLiteral("Song A / Band||Song C|"));
}

QTEST_APPLESS_MAIN(TestOperations)
#include "test_operations.moc"

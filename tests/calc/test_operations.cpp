// SPDX-License-Identifier: MIT
// What each button works out, on plain data: the worked examples of the
// calculations, the hand-offs, the correction screens and the capacity
// dialog, with the order of what they do. No windows, no QApplication.
// Slots are written in the notation of valuetest::slotsFrom: "4|30 28*|".

#include "calc/operations.h"
#include "support/valuetest.h"

#include <QTest>

#include <map>

using namespace tavelo;
using valuetest::screenName;
using valuetest::slotsFrom;
using valuetest::slotsText;

Q_DECLARE_METATYPE(tavelo::ScreenId)

namespace {

QString messageName(Message m)
{
    static const char *const names[] = {"BadMinutes",        "BadSeconds",    "OverCapacity",
                                        "MinutesTooLarge",   "BadCapacity",   "CapacityTooLarge",
                                        "RemainingTooLarge", "TotalTooLarge", "SaveFailed",
                                        "CardSaveFailed",    "PrintFailed"};
    return QString::fromLatin1(names[static_cast<int>(m)]);
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
                log << QStringLiteral("show %1").arg(screenName(e->screen));
            } else if (auto *e = std::get_if<WriteSlot>(&effect)) {
                QVERIFY2(open.count(e->screen), "a write into a closed screen");
                open[e->screen].at(e->slot) = e->time;
                log << QStringLiteral("write %1(%2)").arg(screenName(e->screen)).arg(e->slot);
            } else if (auto *e = std::get_if<UpdateMain>(&effect)) {
                main = e->state;
                log << QStringLiteral("main");
            } else if (auto *e = std::get_if<ShowMessage>(&effect)) {
                messages << QStringLiteral("%1 %2,%3")
                                .arg(messageName(e->message), main.resultMinutes,
                                     main.resultSeconds);
                log << QStringLiteral("message");
            } else if (auto *e = std::get_if<FocusSlot>(&effect)) {
                focus = QStringLiteral("%1 Text%2(%3)")
                            .arg(screenName(e->screen))
                            .arg(e->field == Field::Minutes ? 1 : 2)
                            .arg(e->slot);
                log << QStringLiteral("focus");
            } else if (std::holds_alternative<FocusCapacity>(effect)) {
                focus = QStringLiteral("Totaltxt");
            } else if (std::holds_alternative<FocusDialog>(effect)) {
                focus = QStringLiteral("TotalForm Text1");
            } else if (auto *e = std::get_if<CloseScreen>(&effect)) {
                open.erase(e->screen);
                log << QStringLiteral("close %1").arg(screenName(e->screen));
            } else if (std::holds_alternative<CloseDialog>(effect)) {
                log << QStringLiteral("close TotalForm");
            }
        }
    }

    // An open screen's thirty slots in the notation, or "closed".
    QString screen(ScreenId id) const
    {
        return open.count(id) ? slotsText(open.at(id)) : QStringLiteral("closed");
    }
};

// Slots written by hand in the canonical form slotsText gives: "2*0|0" for
// "0|0 0|0", so that two writings of the same slots compare equal.
QString canon(const QString &written)
{
    return written == QLatin1String("closed") ? written : slotsText(slotsFrom(written));
}

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
    void failingRowKeepsWhatWasDone_data();
    void failingRowKeepsWhatWasDone();
    void refusals_data();
    void refusals();
    void handOff_data();
    void handOff();
    void laterHandOffWins_data();
    void laterHandOffWins();
    void openCorrection_data();
    void openCorrection();
    void acceptCapacity_data();
    void acceptCapacity();
    void editCapacity_data();
    void editCapacity();
    void titlesFollowTimes();
};

// The screen's thirty slots as typed (carry slots included), the list and
// Text3/Text4 afterwards, and the message with the result shown behind it.
void TestOperations::calculate_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");

    const auto remaining = [](const char *name, const char *capacity,
                              const char *texts) -> QTestData & {
        return QTest::newRow(name)
               << ScreenId::Entry << QString::fromUtf8(capacity) << QString::fromUtf8(texts);
    };
    const auto total = [](const char *name, ScreenId screen, const char *texts) -> QTestData & {
        return QTest::newRow(name) << screen << QString() << QString::fromUtf8(texts);
    };
    // clang-format off
    remaining("23; 4:30 3:45", "23", "4|30 3|45") << "4:30 3:45 13*0:00" << "14 45" << "";
    remaining("10; exactly full", "10", "9|30 0|30") << "9:30 0:30 13*0:00" << "0 0" << "";
    remaining("10; one second over", "10", "5|30 4|31") << "5:30 4:31 13*0:00" << "0 0" << "OverCapacity 0,-1";
    remaining("10; 100 seconds over", "10", "6|0 5|40") << "6:00 5:40 13*0:00" << "0 0" << "OverCapacity -1,-40";
    remaining("46; all empty", "46", "") << "15*0:00" << "46 0" << "";
    remaining("10; seconds carry", "10", "4|00 3*0|59") << "4:00 3*0:59 11*0:00" << "3 3" << "";
    remaining("10; half-empty rows", "10", "4| |30 5|07") << "2*0:00 5:07 12*0:00" << "4 53" << "";
    remaining("10; 0:0 is a song of no length", "10", "0|0") << "15*0:00" << "10 0" << "";
    remaining("10; seconds 59 pass", "10", "0|59") << "0:59 14*0:00" << "9 1" << "";
    remaining("10; the list pads the seconds, Text4 does not", "10", "4|5 0|50") << "4:05 0:50 13*0:00" << "5 5" << "";
    remaining("10; seconds 30.5 and 2.5 list as 31 and 03, count 30 and 2", "10", "0|30.5 0|2.5") << "0:31 0:03 13*0:00" << "9 28" << "";
    remaining("0.375 is 22 seconds", "0.375", "") << "15*0:00" << "0 22" << "";
    remaining("45.5 is 45:30", "45.5", "") << "15*0:00" << "45 30" << "";
    remaining("546; largest shown", "546", "") << "15*0:00" << "546 0" << "";
    remaining("547 less one second is the most shown", "547", "0|1") << "0:01 14*0:00" << "546 59" << "";
    remaining("0; 546:59 over", "0", "546|59") << "546:59 14*0:00" << "0 0" << "OverCapacity -546,-59";
    remaining("120 minutes pass", "200", "120|00") << "120:00 14*0:00" << "80 0" << "";
    remaining("2.5 and 3.5 minutes", "10", "2.5|0 3.5|0") << "2.5:00 3.5:00 13*0:00" << "4 0" << "";
    remaining("exponent forms count their value", "121", "1e2|0 20|5e1") << "1e2:00 20:50 13*0:00" << "0 10" << "";
    remaining("blanks around the numbers", " 10 ", "_4_|_5_") << "_4_:05 14*0:00" << "5 55" << "";
    remaining("seconds as typed in the list", "10", "04|30 4|7") << "04:30 4:07 13*0:00" << "1 23" << "";
    remaining("texts kept as typed in the song table", "90", "04|05 2.5|7") << "04:05 2.5:07 13*0:00" << "83 48" << "";
    remaining("full-width capacity and row", "２３", "４|３０ 3|45") << "４:30 3:45 13*0:00" << "14 45" << "";
    QTest::newRow("page 2; 46; 15*3:0 then 1:30") << ScreenId::Page2 << "46" << "15*3|0 1|30" << "15*3:00 1:30 14*0:00" << "0 0" << "OverCapacity 0,-30";
    QTest::newRow("page 2; all thirty slots written") << ScreenId::Page2 << "90" << "15*3|0 1|30 | 2|05" << "15*3:00 1:30 0:00 2:05 12*0:00" << "41 25" << "";
    QTest::newRow("page 2; a half-empty carry slot counts 0:00") << ScreenId::Page2 << "90" << "1|0 2| 13*1|0 3|0" << "1:00 0:00 13*1:00 3:00 14*0:00" << "73 0" << "";
    QTest::newRow("page 2; all rows empty") << ScreenId::Page2 << "46" << "" << "30*0:00" << "46 0" << "";
    QTest::newRow("correction screen counts its 15 rows only") << ScreenId::Correction << "10" << "4|30 14*| 5*9|0" << "4:30 14*0:00" << "5 30" << "";
    total("total 4:30 3:45 10:50", ScreenId::TotalEntry, "4|30 3|45 10|50") << "4:30 3:45 10:50 12*0:00" << "19 5" << "";
    total("total 4:00 3*0:59", ScreenId::TotalEntry, "4|00 3*0|59") << "4:00 3*0:59 11*0:00" << "6 57" << "";
    total("total all empty", ScreenId::TotalEntry, "") << "15*0:00" << "0 0" << "";
    total("total seconds 59", ScreenId::TotalEntry, "0|59") << "0:59 14*0:00" << "0 59" << "";
    total("total 0:00", ScreenId::TotalEntry, "0|00") << "15*0:00" << "0 0" << "";
    total("total 120:00, no upper bound", ScreenId::TotalEntry, "120|00") << "120:00 14*0:00" << "120 0" << "";
    total("total Text4 unpadded", ScreenId::TotalEntry, "1|05") << "1:05 14*0:00" << "1 5" << "";
    total("total seconds typed 5 list as 05", ScreenId::TotalEntry, "0|5") << "0:05 14*0:00" << "0 5" << "";
    total("total ten 54:40", ScreenId::TotalEntry, "10*54|40") << "10*54:40 5*0:00" << "546 40" << "";
    total("total 546:59 is the largest", ScreenId::TotalEntry, "10*54|40 0|19") << "10*54:40 0:19 4*0:00" << "546 59" << "";
    total("total page 2", ScreenId::TotalPage2, "15*4|00 5|15") << "15*4:00 5:15 14*0:00" << "65 15" << "";
    total("total correction ignores carry", ScreenId::TotalCorrection, "2|0 14*| 3*1|0") << "2:00 14*0:00" << "2 0" << "";
    // clang-format on
}

void TestOperations::calculate()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, capacity);
    QFETCH(QString, texts);
    QFETCH(QString, list);
    QFETCH(QString, result);
    QFETCH(QString, message);

    World world(withCapacity(capacity));
    const Slots typed = slotsFrom(texts);
    world.open[screen] = typed;
    world.apply(tavelo::calculate(world.main, screen, typed));

    QCOMPARE(world.main.list, valuetest::rows(list));
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

// The second row fails after 4:30: its texts are stored, the list holds the
// first row only, and the mode change stands. In the same mode the result
// stays; a change of mode empties it, so that a remaining time is never left
// under the total's caption, nor a total under the remaining time's.
void TestOperations::failingRowKeepsWhatWasDone_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<bool>("totalBefore");  // the main window's mode before
    QTest::addColumn<QString>("message");   // with the result behind it
    // clang-format off
    QTest::newRow("remaining after a remaining time") << ScreenId::Entry      << false << "BadSeconds 7,8";
    QTest::newRow("total after a total")              << ScreenId::TotalEntry << true  << "BadSeconds 7,8";
    QTest::newRow("total after a remaining time")     << ScreenId::TotalEntry << false << "BadSeconds ,";
    QTest::newRow("remaining after a total")          << ScreenId::Entry      << true  << "BadSeconds ,";
    // clang-format on
}

void TestOperations::failingRowKeepsWhatWasDone()
{
    QFETCH(ScreenId, screen);
    QFETCH(bool, totalBefore);
    QFETCH(QString, message);
    const bool total = screen == ScreenId::TotalEntry;
    World world(withCapacity(QStringLiteral("46")));
    world.main.totalMode = totalBefore;
    world.main.resultMinutes = QStringLiteral("7");
    world.main.resultSeconds = QStringLiteral("8");
    const Slots typed = slotsFrom(QStringLiteral("4|30 3|75 | -1|0"));
    world.apply(tavelo::calculate(world.main, screen, typed));

    QCOMPARE(world.messages, QStringList{message});
    QCOMPARE(world.focus, screenName(screen) + QStringLiteral(" Text2(1)"));
    QCOMPARE(world.main.list, QStringList{QStringLiteral("4:30")});
    QCOMPARE(slotsText(world.main.songs), canon("4|30 3|75 13*| 0|0 0|0 13*|"));
    QCOMPARE(world.main.totalMode, total);
    QVERIFY(total ? world.main.totalCorrectionEnabled : world.main.correctionEnabled);
    QCOMPARE(world.log, (QStringList{"main", "message", "focus"}));
}

void TestOperations::refusals_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("listed");

    const auto row = [](const char *name, const char *texts) -> QTestData & {
        return QTest::newRow(name)
               << ScreenId::Entry << QStringLiteral("46") << QString::fromUtf8(texts);
    };
    // clang-format off
    row("minutes -1", "-1|0") << "BadMinutes" << "NyuryokuForm Text1(0)" << 0;
    row("minutes -0.5", "-0.5|0") << "BadMinutes" << "NyuryokuForm Text1(0)" << 0;
    row("minutes and seconds wrong", "-1|75") << "BadMinutes" << "NyuryokuForm Text1(0)" << 0;
    row("seconds 60", "4|60") << "BadSeconds" << "NyuryokuForm Text2(0)" << 0;
    row("seconds 59.5", "4|59.5") << "BadSeconds" << "NyuryokuForm Text2(0)" << 0;
    row("rows 3 and 5 wrong", "1|0 1|0 1|99 1|0 -1|0") << "BadSeconds" << "NyuryokuForm Text2(2)" << 2;
    row("letters", "4|abc") << "BadSeconds" << "NyuryokuForm Text2(0)" << 0;
    row("a time typed as 1:30", "1.30.0|0") << "BadMinutes" << "NyuryokuForm Text1(0)" << 0;
    row("minutes beyond 16 bits", "40000|0") << "MinutesTooLarge" << "NyuryokuForm Text1(0)" << 0;
    row("minutes beyond 16 bits on row 3", "4|30 | 40000|0") << "MinutesTooLarge" << "NyuryokuForm Text1(2)" << 2;
    QTest::newRow("capacity unreadable") << ScreenId::Entry << "abc" << "4|30" << "BadCapacity" << "Totaltxt" << 0;
    QTest::newRow("capacity beyond 32 bits") << ScreenId::Entry << "1e400x" << "" << "BadCapacity" << "Totaltxt" << 0;
    QTest::newRow("capacity seconds beyond 32 bits") << ScreenId::Entry << "40000000" << "" << "CapacityTooLarge" << "Totaltxt" << 0;
    QTest::newRow("remaining above 546:59") << ScreenId::Entry << "547" << "" << "RemainingTooLarge" << "" << 15;
    QTest::newRow("total of 546:60") << ScreenId::TotalEntry << "" << "10*54|40 0|200.0e-1" << "TotalTooLarge" << "" << 15;
    QTest::newRow("total of 547 minutes") << ScreenId::TotalEntry << "" << "547|0" << "TotalTooLarge" << "" << 15;
    QTest::newRow("total of 32767 minutes still counts") << ScreenId::TotalEntry << "" << "32767|00" << "TotalTooLarge" << "" << 15;
    QTest::newRow("total minutes 32768 too large") << ScreenId::TotalEntry << "" << "32768|00" << "MinutesTooLarge" << "NyuryokuForm4 Text1(0)" << 0;
    QTest::newRow("page 2 carry slot fails") << ScreenId::Page2 << "46" << "3*| -3|0" << "BadMinutes" << "NyuryokuForm2 Text1(3)" << 3;
    // clang-format on
}

void TestOperations::refusals()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, capacity);
    QFETCH(QString, texts);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(int, listed);

    World world(withCapacity(capacity));
    const Slots typed = slotsFrom(texts);
    world.open[screen] = typed;
    world.apply(tavelo::calculate(world.main, screen, typed));

    QCOMPARE(world.messages, QStringList{message + QStringLiteral(" ,")});
    QCOMPARE(world.focus, focus);
    QCOMPARE(world.main.list.size(), listed);
    QVERIFY(world.open.count(screen));  // the screen stays open
}

// 続けて入力 (from a page-1 screen) and 次画面を訂正 (from a correction screen)
// on the texts of the source screen, with the page-2 screen of the same mode
// open with `pageTwo`: the message, the focus, page 2, the source screen and
// the song table (empty before) afterwards.
void TestOperations::handOff_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QString>("pageTwo");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("songs");

    const QString texts = QStringLiteral(
        "1|05 2|10 03|0 4|59 0|0 2.5|30.5 １|３０ 120|00 _3_|4 5|5 6|06 7|7 8|8 9|9 10|10");
    // clang-format off
    QTest::newRow("continue: rows carried as typed") << ScreenId::Entry << texts << "" << "" << "" << texts + " 15*|" << "closed" << "30*|";
    QTest::newRow("continue: total mode, rows carried as typed") << ScreenId::TotalEntry << texts << "" << "" << "" << texts + " 15*|" << "closed" << "30*|";
    QTest::newRow("continue: only the carry slots are written") << ScreenId::Entry << "15*2|0" << "15*9|9 15*1|01" << "" << "" << "15*2|0 15*1|01" << "closed" << "30*|";
    QTest::newRow("continue: seconds 75 in row 4") << ScreenId::Entry << "3*2|0 2|75 11*2|0" << "15*1|0" << "BadSeconds" << "NyuryokuForm Text2(3)" << "3*2|0 2|75 11*1|0 15*|" << "3*2|0 2|75 11*2|0 15*|" << "30*|";
    QTest::newRow("continue: stops, page 2's own rows kept") << ScreenId::Entry << "2|0 2|75 13*2|0" << "15*1|0 15*9|9" << "BadSeconds" << "NyuryokuForm Text2(1)" << "2|0 2|75 13*1|0 15*9|9" << "2|0 2|75 13*2|0 15*|" << "30*|";
    QTest::newRow("continue: minutes -1 in row 1") << ScreenId::Entry << "-1|0 14*2|0" << "15*1|0" << "BadMinutes" << "NyuryokuForm Text1(0)" << "-1|0 14*1|0 15*|" << "-1|0 14*2|0 15*|" << "30*|";
    QTest::newRow("continue: seconds -1 in row 15") << ScreenId::Entry << "14*2|0 2|-1" << "15*1|0" << "BadSeconds" << "NyuryokuForm Text2(14)" << "14*2|0 2|-1 15*|" << "14*2|0 2|-1 15*|" << "30*|";
    QTest::newRow("continue: minutes are letters in row 7") << ScreenId::Entry << "6*2|0 abc|0 8*2|0" << "15*1|0" << "BadMinutes" << "NyuryokuForm Text1(6)" << "6*2|0 abc|0 8*1|0 15*|" << "6*2|0 abc|0 8*2|0 15*|" << "30*|";
    QTest::newRow("continue: seconds are blanks in row 9") << ScreenId::Entry << "8*2|0 2|_ 6*2|0" << "15*1|0" << "BadSeconds" << "NyuryokuForm Text2(8)" << "8*2|0 2|_ 6*1|0 15*|" << "8*2|0 2|_ 6*2|0 15*|" << "30*|";
    QTest::newRow("continue: total mode, seconds 75 in row 4") << ScreenId::TotalEntry << "3*2|0 2|75 11*2|0" << "15*1|0" << "BadSeconds" << "NyuryokuForm4 Text2(3)" << "3*2|0 2|75 11*1|0 15*|" << "3*2|0 2|75 11*2|0 15*|" << "30*|";
    QTest::newRow("continue: seconds empty go on as 0:00") << ScreenId::Entry << "4|30 4| 3|45" << "" << "" << "" << "4|30 0|0 3|45 12*0|0 15*|" << "closed" << "| 0|0 | 12*0|0 15*|";
    QTest::newRow("continue: minutes empty go on as 0:00") << ScreenId::Entry << "4|30 |30 3|45" << "" << "" << "" << "4|30 0|0 3|45 12*0|0 15*|" << "closed" << "| 0|0 | 12*0|0 15*|";
    QTest::newRow("continue: empty row, minutes letters") << ScreenId::Entry << "4|30 abc| 3|45" << "" << "" << "" << "4|30 0|0 3|45 12*0|0 15*|" << "closed" << "| 0|0 | 12*0|0 15*|";
    QTest::newRow("continue: seconds empty, a later row fails") << ScreenId::Entry << "4|30 4| 3|45 -1|0" << "" << "BadMinutes" << "NyuryokuForm Text1(3)" << "4|30 0|0 3|45 -1|0 26*|" << "4|30 4| 3|45 -1|0 26*|" << "| 0|0 28*|";
    QTest::newRow("continue: minutes empty, a later row fails") << ScreenId::Entry << "4|30 |30 3|45 -1|0" << "" << "BadMinutes" << "NyuryokuForm Text1(3)" << "4|30 0|0 3|45 -1|0 26*|" << "4|30 |30 3|45 -1|0 26*|" << "| 0|0 28*|";
    QTest::newRow("continue: minutes negative, seconds empty, a later row fails") << ScreenId::Entry << "4|30 -4| 3|45 -1|0" << "" << "BadMinutes" << "NyuryokuForm Text1(3)" << "4|30 0|0 3|45 -1|0 26*|" << "4|30 -4| 3|45 -1|0 26*|" << "| 0|0 28*|";
    QTest::newRow("correct: texts go on as they stand") << ScreenId::Correction << "4|30 3| 2|15 12*| 5|0" << "" << "" << "" << "4|30 3| 2|15 12*| 5|0 14*|" << "closed" << "30*|";
    QTest::newRow("correct: total mode, texts go on as they stand") << ScreenId::TotalCorrection << "4|30 3| 2|15 12*| 5|0" << "" << "" << "" << "4|30 3| 2|15 12*| 5|0 14*|" << "closed" << "30*|";
    QTest::newRow("correct: row 5 fails, blank rows before it show 0") << ScreenId::Correction << "4|30 3| 2|15 | 1|60 10*| 5|0" << "" << "BadSeconds" << "NyuryokuForm3 Text2(4)" << "4|30 3| 2|15 | 1|60 25*|" << "4|30 0|0 2|15 0|0 1|60 10*| 5|0 14*|" << "30*|";
    QTest::newRow("correct: total mode, row 5 fails") << ScreenId::TotalCorrection << "4|30 3| 2|15 | 1|60 10*| 5|0" << "" << "BadSeconds" << "NyuryokuForm6 Text2(4)" << "4|30 3| 2|15 | 1|60 25*|" << "4|30 0|0 2|15 0|0 1|60 10*| 5|0 14*|" << "30*|";
    QTest::newRow("correct: all thirty slots replaced, empty ones too") << ScreenId::Correction << "3*1|0 | 16*2|0 | 9*3|0" << "30*9|9" << "" << "" << "3*1|0 | 16*2|0 | 9*3|0" << "closed" << "30*|";
    QTest::newRow("correct: total mode, all thirty slots replaced") << ScreenId::TotalCorrection << "3*1|0 | 16*2|0 | 9*3|0" << "30*9|9" << "" << "" << "3*1|0 | 16*2|0 | 9*3|0" << "closed" << "30*|";
    QTest::newRow("correct: a carry slot fails, the rest not reached") << ScreenId::Correction << "5|0 14*1|0 2*2|0 -2|30 7|7" << "" << "BadMinutes" << "NyuryokuForm3 Text1(17)" << "5|0 14*1|0 2*2|0 -2|30 12*|" << "5|0 14*1|0 2*2|0 -2|30 7|7 11*|" << "30*|";
    QTest::newRow("correct: an empty row and a failing carry slot") << ScreenId::Correction << "4|30 2| 13*| 5|0 -3|0" << "" << "BadMinutes" << "NyuryokuForm3 Text1(16)" << "4|30 2| 13*| 5|0 -3|0 13*|" << "4|30 0|0 13*0|0 5|0 -3|0 13*|" << "30*|";
    // clang-format on
}

void TestOperations::handOff()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, texts);
    QFETCH(QString, pageTwo);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, written);
    QFETCH(QString, source);
    QFETCH(QString, songs);

    const bool correct = roleOf(screen) == ScreenRole::Correction;
    World world(withCapacity(QStringLiteral("46")));
    const Slots typed = slotsFrom(texts);
    world.open[screen] = typed;
    world.open[pageTwoOf(screen)] = slotsFrom(pageTwo);
    const Outcome outcome = correct ? tavelo::correctOnPageTwo(screen, typed)
                                    : tavelo::continueOnPageTwo(world.main, screen, typed);
    QVERIFY(std::holds_alternative<ShowScreen>(outcome.front()));  // page 2 comes first
    world.apply(outcome);

    QCOMPARE(world.messages.join(QLatin1Char('|')), message.isEmpty() ? QString() : message + " ,");
    QCOMPARE(world.focus, focus);
    QCOMPARE(world.screen(pageTwoOf(screen)), canon(written));
    QCOMPARE(world.screen(screen), canon(source));
    QCOMPARE(slotsText(world.main.songs), canon(songs));
}

// The page-1 screen and the correction screen are open together and both
// hand off to the one page-2 screen; each overwrites what it copies.
void TestOperations::laterHandOffWins_data()
{
    QTest::addColumn<bool>("continueFirst");
    QTest::addColumn<QString>("written");
    QTest::newRow("続けて入力, then 次画面を訂正") << true << "15*2|0 15*3|0";
    QTest::newRow("次画面を訂正, then 続けて入力") << false << "15*1|0 15*3|0";
}

void TestOperations::laterHandOffWins()
{
    QFETCH(bool, continueFirst);
    QFETCH(QString, written);
    World world(withCapacity(QStringLiteral("46")));
    const Slots entry = slotsFrom(QStringLiteral("15*1|0"));
    const Slots correction = slotsFrom(QStringLiteral("15*2|0 15*3|0"));
    const auto continueOn = [&] {
        world.apply(continueOnPageTwo(world.main, ScreenId::Entry, entry));
    };
    const auto correctOn = [&] { world.apply(correctOnPageTwo(ScreenId::Correction, correction)); };
    world.open[ScreenId::Entry] = entry;
    world.open[ScreenId::Correction] = correction;
    continueFirst ? continueOn() : correctOn();
    continueFirst ? correctOn() : continueOn();
    QCOMPARE(world.screen(ScreenId::Page2), canon(written));
    QCOMPARE(world.messages, QStringList{});
}

// 訂正 after a calculation that stored 4:30, 3:45 and `stored` as songs 3
// and 18: the correction screen shows `shown` there, and the unsaved edits of
// an open correction screen are replaced.
void TestOperations::openCorrection_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("00 and 0")               << "00|0" << "|";
    QTest::newRow("0.0 and 0 with blanks")  << "_0.0_|_0_" << "|";
    QTest::newRow("minus zero")             << "-0|0" << "|";
    QTest::newRow("blanks and minus zero")  << "_0.0_|-0" << "|";
    QTest::newRow("0e5 and 0.000")          << "0e5|0.000" << "|";
    QTest::newRow("full-width zeros")       << "０|００" << "|";
    QTest::newRow("0 and 5 kept")           << "0|5" << "0|5";
    QTest::newRow("3 and 0 kept")           << "3|0" << "3|0";
    QTest::newRow("05 not reformatted")     << "4|05" << "4|05";
    QTest::newRow("a failed row's 75 kept") << "3|75" << "3|75";
    QTest::newRow("minutes 0.4 kept")       << "0.4|0" << "0.4|0";
    QTest::newRow("fractional seconds kept") << "0|0.5" << "0|0.5";
    QTest::newRow("no number: copied as it is") << "abc|" << "abc|";
    // clang-format on
}

void TestOperations::openCorrection()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    MainState main;
    main.songs = slotsFrom("4|30 3|45 " + stored + " 14*| " + stored);
    World world(main);
    world.open[ScreenId::Correction] = slotsFrom(QStringLiteral("30*edit|edit"));
    world.apply(tavelo::openCorrection(main, ScreenId::Correction));
    QCOMPARE(world.screen(ScreenId::Correction),
             canon("4|30 3|45 " + shown + " 14*| " + shown + " 12*|"));
    QCOMPARE(world.main, main);
}

void TestOperations::acceptCapacity_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    // clang-format off
    QTest::newRow("46") << "46" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("minus zero") << "-0" << true;
    QTest::newRow("45.5 stored as typed") << "45.5" << true;
    QTest::newRow("leading blank stored as typed") << " 46" << true;
    QTest::newRow("trailing blank stored as typed") << "46 " << true;
    QTest::newRow("full-width") << "４６" << true;
    QTest::newRow("exponent") << "4.6e1" << true;
    QTest::newRow("very large") << "1e300" << true;
    QTest::newRow("-5") << "-5" << false;
    QTest::newRow("-0.5") << "-0.5" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("blanks") << "   " << false;
    QTest::newRow("a time") << "1:30" << false;
    QTest::newRow("beyond double") << "1e400" << false;
    QTest::newRow("number and letters") << "46分" << false;
    QTest::newRow("full-width minus") << "－５" << false;
    // clang-format on
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
        QCOMPARE(world.messages, QStringList{QStringLiteral("BadMinutes ,")});
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

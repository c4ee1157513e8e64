// SPDX-License-Identifier: MIT
// Song times brought in from files and text, and the list taken out, through
// the real windows: files dropped on an entry screen, a tracklist pasted into
// it, the list copied, saved and dropped back, and the tape lengths offered
// by the capacity boxes' menus. Whatever comes in is checked against the same
// times typed by hand: the list and the result must be the same.

#include "gui/filechooser.h"
#include "support/fakecd.h"
#include "support/guitest.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QPointer>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QWindow>

#include <atomic>
#include <memory>

using namespace guitest;

namespace {

// The note a screen shows beside a drop or paste, or nothing; two notes at
// once, which there must never be, show as both texts.
QString noteOn(const QWidget *screen)
{
    QStringList shown;
    for (const QLabel *note :
         screen->findChildren<QLabel *>(QStringLiteral("Note"), Qt::FindDirectChildrenOnly))
        if (note->isVisible())
            shown << note->text();
    return shown.join(QStringLiteral(" + "));
}

const QString kSaveFailed = QStringLiteral("一覧を保存できませんでした。");
const QString kReadingNote =
    QStringLiteral("前のファイルを読み込み中です。終わってから、もう一度ドロップしてください。");

// Milliseconds a reading of a few small files may take, sanitizers included.
constexpr int kReading = 20000;

QString fixture(const QString &name) { return QStringLiteral(TAVELO_FIXTURES "/audio/") + name; }

QStringList fixtures(const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths << fixture(name);
    return paths;
}

// A drag of files as file managers offer it: the files' URLs, and the same
// URLs as plain text, which a box would take as typed text.
std::unique_ptr<QMimeData> fileDrag(const QStringList &paths)
{
    auto mime = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    QStringList lines;
    for (const QString &path : paths) {
        urls << QUrl::fromLocalFile(path);
        lines << urls.last().toString();
    }
    mime->setUrls(urls);
    mime->setText(lines.join(QLatin1Char('\n')));
    return mime;
}

// Drags `mime` from another program onto the point `pos` of `target` and
// lets go there, as the window system hands a drag to a window: enter, a move
// and the drop go to the window, which passes each to the control under the
// point. Returns the steps the window refused, as "enter move drop"; nothing
// when it took the drop as a copy.
QString drag(QWidget *target, QPoint pos, const QMimeData &mime)
{
    QWidget *top = target->window();
    const QPoint at = target->mapTo(top, pos);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent move(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QStringList refused;
    const std::pair<QDropEvent *, const char *> steps[] = {
        {&enter, "enter"}, {&move, "move"}, {&drop, "drop"}};
    for (const auto &[event, name] : steps) {
        QCoreApplication::sendEvent(top->windowHandle(), event);
        if (!event->isAccepted())
            refused << QLatin1String(name);
    }
    if (drop.isAccepted() && drop.dropAction() != Qt::CopyAction)
        refused << QStringLiteral("copy");
    if (!refused.isEmpty()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(top->windowHandle(), &leave);
    }
    return refused.join(QLatin1Char(' '));
}

QString dragFiles(QWidget *target, QPoint pos, const QStringList &paths)
{
    return drag(target, pos, *fileDrag(paths));
}

[[nodiscard]] bool dropFiles(QWidget *target, QPoint pos, const QStringList &paths)
{
    GUITEST_VERIFY(target && target->window()->windowHandle());
    GUITEST_COMPARE(dragFiles(target, pos, paths), QString());
    return true;
}

// The middle of the minute box of a row (1 to 15) of a screen.
QPoint rowPoint(const EntryScreen *screen, int row)
{
    const QLineEdit *box = minuteBox(screen, firstVisibleSlot(screen) + row - 1);
    return box->mapTo(screen, box->rect().center());
}

// A point of the screen's own background below its rows: no row there.
QPoint belowTheRows(const EntryScreen *screen)
{
    const QLineEdit *last = minuteBox(screen, firstVisibleSlot(screen) + 14);
    return last->mapTo(screen, QPoint(-2, last->height() + 6));
}

// Boxes of the screen whose text is a file's URL, one a line; none, when no
// drag was ever typed into a box.
QStringList boxesWithUrls(const EntryScreen *screen)
{
    QStringList found;
    for (const QLineEdit *box : screen->findChildren<QLineEdit *>())
        if (box->text().contains(QStringLiteral("file:")))
            found << box->objectName() + QStringLiteral(": ") + box->text();
    return found;
}

// Waits until the files dropped last are read and placed.
[[nodiscard]] bool waitForReading()
{
    GUITEST_VERIFY2(QTest::qWaitFor([] { return !program().isReading(); }, kReading),
                    "the dropped files were still being read after 20 s");
    settle();
    return true;
}

// The texts of the carry slots: the slots a screen does not show.
QStringList hiddenSlots(const EntryScreen *screen)
{
    QStringList texts = slotTexts(screen);
    texts.remove(firstVisibleSlot(screen), tavelo::kRowsPerPage);
    return texts;
}

// A reader of drops for the program: the path "slow" reads as one song of
// 3 s, but only once it is let go (`release`) or stopped (then nothing);
// any other drop is read as the program reads it. A `stubborn` one never
// looks at its stop flag, as a reading stuck on a hung disk would not.
struct SlowReader {
    std::shared_ptr<std::atomic<bool>> release = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<int>> ended = std::make_shared<std::atomic<int>>(0);

    tavelo::Program::DropReader reader(bool stubborn) const
    {
        return [release = release, ended = ended, stubborn](const QStringList &paths, int wanted,
                                                            const tavelo::StopFlag &stop) {
            if (paths != QStringList{QStringLiteral("slow")})
                return tavelo::readDropped(paths, wanted, stop);
            QElapsedTimer waited;
            waited.start();
            while (!*release && (stubborn || !stop) && waited.elapsed() < 60000)
                QThread::msleep(1);
            ++*ended;
            tavelo::DroppedSongs found;
            if (!stop || stubborn)
                found.songs.push_back({3000, QStringLiteral("Slow"), {}});
            return found;
        };
    }
};

// Opens the screen a case starts on: page 1 with `typed` rows, and with
// `pageTwo` the page-2 screen reached by 続けて入力 (capacity 46 first). It is
// the active window when it is returned: a note goes when a window becomes
// active, as any tooltip does, so a window that becomes active late would
// take a note away.
EntryScreen *openScreen(Session &s, bool pageTwo, const QString &typed)
{
    GUITEST_VERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    EntryScreen *pageOne = openPageOne(s.main, false, rows(typed));
    GUITEST_VERIFY(pageOne);
    EntryScreen *screen = pageTwo ? continueToPageTwo(pageOne) : pageOne;
    GUITEST_VERIFY(activate(screen));
    return screen;
}

// 残り時間を出す on a screen: the main window's summary and the messages.
QString calculate(Session &s, EntryScreen *screen)
{
    GUITEST_VERIFY(press(screen));
    return s.summary() + QStringLiteral(" | messages [") +
           s.messageTexts().join(QStringLiteral(", ")) + QLatin1Char(']');
}

// The same as calculate(), on a fresh program where the same screen is
// opened the same way and `boxes` (rows "minutes|seconds") are typed into
// it by hand, empty rows left alone.
QString calculateTyped(bool pageTwo, const QString &typed, const QStringList &boxes)
{
    Session s;
    EntryScreen *screen = openScreen(s, pageTwo, typed);
    GUITEST_VERIFY(screen);
    const int first = firstVisibleSlot(screen);
    for (int row = 0; row < boxes.size(); ++row) {
        const QStringList parts = boxes.at(row).split(QLatin1Char('|'));
        if (!boxes.at(row).isEmpty() && boxes.at(row) != QLatin1String("|"))
            GUITEST_VERIFY(typeRow(screen, first + row, parts.value(0), parts.value(1)));
    }
    return calculate(s, screen);
}

// The text of the list after 4:30, 3:15 and 5:05 typed and "Flac tone" by
// "Tavelo" (0:03) dropped, on a tape side of 46 minutes: a heading, the fifteen rows
// with their start on the tape (and a title where the song has one), and the
// time left.
QString listOfFourSongs()
{
    QString text = QStringLiteral("# 曲の一覧（15曲）\n"
                                  "1. [0:00] 4:30\n"
                                  "2. [4:30] 3:15\n"
                                  "3. [7:45] 5:05\n"
                                  "4. [12:50] Flac tone / Tavelo  0:03\n");
    for (int n = 5; n <= 15; ++n)
        text += QStringLiteral("%1. [12:53] 0:00\n").arg(n);
    return text + QStringLiteral("# テープの残り時間は 33分7秒です。\n");
}

// The titles of a screen's fifteen visible rows, the empty ones left out.
QStringList rowTitles(const EntryScreen *screen)
{
    QStringList titles;
    const tavelo::Slots texts = screen->texts();
    for (int row = 0; row < tavelo::kRowsPerPage; ++row) {
        const QString &title = texts.at(guitest::firstVisibleSlot(screen) + row).title;
        if (!title.isEmpty())
            titles << QStringLiteral("%1: %2").arg(row + 1).arg(title);
    }
    return titles;
}

}  // namespace

class Test_music : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void dropFilesOnScreen_data();
    void dropFilesOnScreen();
    void exportDroppedOnRowThree_data();
    void exportDroppedOnRowThree();
    void dropWhileReading();
    void noteReplacesTheOneBefore_data();
    void noteReplacesTheOneBefore();
    void screenClosedWhileReading();
    void programEndsWhileReading_data();
    void programEndsWhileReading();
    void pasteTracklist_data();
    void pasteTracklist();
    void plainPasteTypesTheText();
    void copySaveAndDropBack();
    void saveFailure_data();
    void saveFailure();
    void tapeLengthFromMenu_data();
    void tapeLengthFromMenu();
    void fileDragRefusedElsewhere();
    void cdFromMenu_data();
    void cdFromMenu();
};

void Test_music::cleanup()
{
    tavelo::setSaveFileChooser({});
    QGuiApplication::clipboard()->clear();
}

void Test_music::dropFilesOnScreen_data()
{
    QTest::addColumn<bool>("pageTwo");   // NyuryokuForm2, reached from page 1
    QTest::addColumn<QString>("typed");  // on page 1 first
    QTest::addColumn<int>("row");        // dropped on this row's minute box; 0: below the rows
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("boxes");  // the fifteen rows shown afterwards
    QTest::addColumn<QString>("note");   // none: no note shown
    // clang-format off
    QTest::newRow("three files on row 3")      << false << "" << 3 << QStringList{"tone.flac", "tone.ogg", "cbr.mp3"} << "2*| 0|3 0|1 0|3 10*|" << "";
    QTest::newRow("below the rows: first free") << false << "4:30 2:" << 0 << QStringList{"tone.wav", "tone.aiff"} << "4|30 2| 0|3 0|1 11*|" << "";
    QTest::newRow("row 3 of page 2")           << true << "4:30 3:15" << 3 << QStringList{"tone.opus", "あめ.ogg"} << "2*| 0|3 0|1 11*|" << "";
    QTest::newRow("one file unreadable")       << false << "" << 3 << QStringList{"tone.wav", "text.mp3"} << "2*| 0|3 12*|" << "1件を読めませんでした：text.mp3";
    QTest::newRow("more than the rows left")   << false << "" << 14 << QStringList{"tone.wav", "tone.aiff", "cbr.mp3"} << "13*| 0|3 0|1" << "1曲は入りきりませんでした：Sine / Tavelo";
    QTest::newRow("one file on row 15")        << false << "" << 15 << QStringList{"tone.wav"} << "14*| 0|3" << "";
    QTest::newRow("row 15 of page 2")          << true << "" << 15 << QStringList{"tone.aiff"} << "14*| 0|1" << "";
    QTest::newRow("a tracklist file on row 1") << false << "" << 1 << QStringList{"tracklist.txt"} << "3|27 4|5 62|3 3|27 11*|" << "";
    // clang-format on
}

// Files dropped on a screen fill its rows from the row under the drop (or
// the first free row) and never the rows it does not show; their times then
// count exactly as the same times typed by hand.
void Test_music::dropFilesOnScreen()
{
    QFETCH(bool, pageTwo);
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(QStringList, files);
    QFETCH(QString, boxes);
    QFETCH(QString, note);

    QString dropped;
    {
        Session s;
        EntryScreen *screen = openScreen(s, pageTwo, typed);
        QVERIFY(screen);
        const QStringList hidden = hiddenSlots(screen);
        const QPoint at = row > 0 ? rowPoint(screen, row) : belowTheRows(screen);
        if (row > 0)
            QCOMPARE(screen->childAt(at), minuteBox(screen, screen->slotAt(at)));
        else
            QCOMPARE(screen->slotAt(at), -1);

        QVERIFY(dropFiles(screen, at, fixtures(files)));
        QVERIFY(waitForReading());

        QCOMPARE(boxTexts(screen), rows(boxes));
        QCOMPARE(hiddenSlots(screen), hidden);
        QCOMPARE(boxesWithUrls(screen), QStringList{});
        QCOMPARE(noteOn(screen), note);
        QCOMPARE(s.messageTexts(), QStringList{});
        dropped = calculate(s, screen);
    }
    QCOMPARE(dropped, calculateTyped(pageTwo, typed, rows(boxes)));
}

// The titles of the rows from row 3 on that hold a time, as "title|title".
QString titlesFromRowThree(const EntryScreen *screen)
{
    QStringList titles;
    const tavelo::Slots texts = screen->texts();
    const int first = guitest::firstVisibleSlot(screen);
    for (int slot = first + 2; slot < first + tavelo::kRowsPerPage; ++slot)
        if (!texts.at(slot).minutes.isEmpty())
            titles << texts.at(slot).title;
    return titles.join(QLatin1Char('|'));
}

void Test_music::exportDroppedOnRowThree_data()
{
    QTest::addColumn<QString>("name");      // written into a folder beside tone.flac, tone.ogg,
    QTest::addColumn<QByteArray>("bytes");  // tone.wav and album.flac (2.5 s); @DIR@ is that folder
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("titles");
    const QByteArray sheet =
        "PERFORMER \"Band\"\nFILE \"album.wav\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"One\"\n"
        "    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    TITLE \"Two\"\n    INDEX 00 00:00:50\n"
        "    INDEX 01 00:01:00\n";
    // The music app's text export: UTF-16 with a byte order mark, tabs, a
    // Japanese header, the time in seconds.
    QByteArray textExport =
        QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)
            .encode(QStringLiteral("名前\tアーティスト\t時間\r\n夜\t田中\t245\r\n"));
    // clang-format off
    QTest::newRow("music app text export") << "Music.txt" << textExport << QStringList{"Music.txt"} << "2*| 4|5 12*|" << "夜 / 田中";
    QTest::newRow("streaming csv export") << "list.csv" << QByteArray("\"Track Name\",\"Artist Name(s)\",\"Duration (ms)\"\n\"雨\",\"歌手\",\"207466\"\n\"Song\",\"A;B\",\"60000\"\n") << QStringList{"list.csv"} << "2*| 3|27 1|0 11*|" << "雨 / 歌手|Song / A, B";
    QTest::newRow("xspf")                 << "list.xspf" << QByteArray("<?xml version=\"1.0\"?><playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"><trackList><track><location>tone.ogg</location></track><track><title>Evening</title><creator>Tavelo</creator><duration>245000</duration></track></trackList></playlist>") << QStringList{"list.xspf"} << "2*| 0|1 4|5 11*|" << "雨の日 / うたびと|Evening / Tavelo";
    QTest::newRow("pls")                  << "list.pls" << QByteArray("[playlist]\r\nFile1=tone.flac\r\nTitle1=Tavelo - Flac tone\r\nLength1=-1\r\nFile2=http://radio/x\r\nTitle2=Radio\r\nLength2=125\r\nNumberOfEntries=2\r\n") << QStringList{"list.pls"} << "2*| 0|3 2|5 11*|" << "Flac tone / Tavelo|Radio";
    QTest::newRow("music app xml")        << "Mix.xml" << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict><key>Tracks</key><dict><key>1</key><dict><key>Track ID</key><integer>1</integer><key>Name</key><string>朝の歌</string><key>Artist</key><string>うたびと</string><key>Total Time</key><integer>207466</integer></dict><key>2</key><dict><key>Track ID</key><integer>2</integer><key>Name</key><string>Wave</string><key>Location</key><string>file://localhost@DIR@/tone.wav</string></dict></dict><key>Playlists</key><array><dict><key>Name</key><string>Mix</string><key>Playlist Items</key><array><dict><key>Track ID</key><integer>2</integer></dict><dict><key>Track ID</key><integer>1</integer></dict></array></dict></array></dict></plist>") << QStringList{"Mix.xml"} << "2*| 0|3 3|27 11*|" << "Wave|朝の歌 / うたびと";
    QTest::newRow("cue sheet and its flac") << "album.cue" << sheet << QStringList{"album.cue", "album.flac"} << "2*| 0|1 0|2 11*|" << "One / Band|Two / Band";
    QTest::newRow("flac beside its sheet")  << "album.cue" << sheet << QStringList{"album.flac"} << "2*| 0|1 0|2 11*|" << "One / Band|Two / Band";
    // clang-format on
}

// An exported playlist or a CUE sheet dropped on row 3 fills rows 3 onwards
// with its songs' times and titles (where the list gives no length, the
// listed file's own); the times count as typed ones.
void Test_music::exportDroppedOnRowThree()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, dropped);
    QFETCH(QString, boxes);
    QFETCH(QString, titles);
    QTemporaryDir dir;
    for (const char *fixture : {"tone.flac", "tone.ogg", "tone.wav"})
        QVERIFY(QFile::copy(::fixture(QString::fromUtf8(fixture)),
                            dir.filePath(QString::fromUtf8(fixture))));
    QVERIFY(QFile::copy(fixture(QStringLiteral("tone.flac")),
                        dir.filePath(QStringLiteral("album.flac"))));
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.replace("@DIR@", QFile::encodeName(dir.path())));
    file.close();
    QStringList paths;
    for (const QString &each : dropped)
        paths << dir.filePath(each);
    QString result;
    {
        Session s;
        EntryScreen *screen = openScreen(s, false, {});
        QVERIFY(screen);
        QVERIFY(dropFiles(screen, rowPoint(screen, 3), paths));
        QVERIFY(waitForReading());
        QCOMPARE(boxTexts(screen), rows(boxes));
        QCOMPARE(titlesFromRowThree(screen), titles);
        QCOMPARE(noteOn(screen), QString());
        result = calculate(s, screen);
    }
    QCOMPARE(result, calculateTyped(false, {}, rows(boxes)));
}

// A drop while the ones before are still being read is read beside them and
// placed as soon as it is read; only a fifth at once is refused with a note.
// Each fills its own rows when its reading ends.
void Test_music::dropWhileReading()
{
    Session s;
    const SlowReader slow;
    s.program.setDropReader(slow.reader(false));
    EntryScreen *screen = openScreen(s, false, {});
    QVERIFY(screen);

    QVERIFY(dropFiles(screen, rowPoint(screen, 3), {QStringLiteral("slow")}));
    QVERIFY(dropFiles(screen, rowPoint(screen, 5), fixtures({"tone.wav", "tone.aiff"})));
    QTRY_COMPARE_WITH_TIMEOUT(boxTexts(screen), rows("4*| 0|3 0|1 9*|"), kReading);
    QVERIFY(guitest::program().isReading());
    QCOMPARE(noteOn(screen), QString());

    for (const int row : {8, 10, 12})
        QVERIFY(dropFiles(screen, rowPoint(screen, row), {QStringLiteral("slow")}));
    QVERIFY(dropFiles(screen, rowPoint(screen, 14), fixtures({"tone.aiff"})));
    QCOMPARE(noteOn(screen), kReadingNote);

    *slow.release = true;
    QVERIFY(waitForReading());
    QCOMPARE(boxTexts(screen), rows("2*| 0|3 | 0|3 0|1 | 0|3 | 0|3 | 0|3 3*|"));
    QCOMPARE(boxesWithUrls(screen), QStringList{});
    QCOMPARE(s.messageTexts(), QStringList{});
}

// A second note, of a drop or of a paste, takes the place of the first: one
// note at a time.
void Test_music::noteReplacesTheOneBefore_data()
{
    QTest::addColumn<bool>("paste");
    QTest::newRow("a drop after a drop") << false;
    QTest::newRow("a paste after a drop") << true;
}

void Test_music::noteReplacesTheOneBefore()
{
    QFETCH(bool, paste);
    Session s;
    EntryScreen *screen = openScreen(s, false, {});
    QVERIFY(screen);
    QVERIFY(dropFiles(screen, rowPoint(screen, 1), fixtures({"text.mp3"})));
    QVERIFY(waitForReading());
    QCOMPARE(noteOn(screen), QStringLiteral("1件を読めませんでした：text.mp3"));
    if (paste) {
        QGuiApplication::clipboard()->setText(QStringLiteral("Tone 0:03\nBonus 4:00\n"));
        QVERIFY(chooseFromMenu(minuteBox(screen, 14), QPoint(2, 2),
                               {QStringLiteral("時間を貼り付け")}));
    } else {
        QVERIFY(dropFiles(screen, rowPoint(screen, 15), fixtures({"tone.wav", "cbr.mp3"})));
        QVERIFY(waitForReading());
    }
    QCOMPARE(
        noteOn(screen),
        QStringLiteral("1曲は入りきりませんでした：%1").arg(paste ? "Bonus" : "Sine / Tavelo"));
    QCOMPARE(boxTexts(screen), rows("14*| 0|3"));
}

// A screen closed while its files are read stops the reading and takes
// nothing, and the screen opened after it is not written into.
void Test_music::screenClosedWhileReading()
{
    Session s;
    const SlowReader slow;
    s.program.setDropReader(slow.reader(false));
    EntryScreen *screen = openScreen(s, false, {});
    QVERIFY(screen);
    QVERIFY(dropFiles(screen, rowPoint(screen, 1), {QStringLiteral("slow")}));
    QVERIFY(guitest::click(guitest::button(screen, "Command3")));
    guitest::settle();
    QVERIFY(!guitest::screen(ScreenId::Entry));
    QVERIFY(click(s.main->nyuryoku));
    EntryScreen *fresh = guitest::screen(ScreenId::Entry);
    QVERIFY(fresh);
    QTRY_VERIFY_WITH_TIMEOUT(!guitest::program().isReading(), 1000);
    QCOMPARE(*slow.ended, 1);
    QCOMPARE(boxTexts(fresh), rows("15*|"));
    QCOMPARE(noteOn(fresh), QString());
}

// The program ended while a drop is read does not wait for it: a reading
// that looks at its stop flag ends at once, one that does not (a hung disk)
// is let go; the program is gone within a second either way, and the
// reading let go cleans up after itself when it ends (the sanitizer build
// checks for leaks at the end).
void Test_music::programEndsWhileReading_data()
{
    QTest::addColumn<bool>("stubborn");
    QTest::newRow("reading that stops") << false;
    QTest::newRow("reading that never looks") << true;
}

void Test_music::programEndsWhileReading()
{
    QFETCH(bool, stubborn);
    const SlowReader slow;
    QElapsedTimer ending;
    {
        Session s;
        s.program.setDropReader(slow.reader(stubborn));
        EntryScreen *screen = openScreen(s, false, {});
        QVERIFY(screen);
        QVERIFY(dropFiles(screen, rowPoint(screen, 1), {QStringLiteral("slow")}));
        QVERIFY(guitest::program().isReading());
        ending.start();
    }
    QVERIFY2(ending.elapsed() < 1000, qPrintable(QString::number(ending.elapsed())));
    QCOMPARE(*slow.ended, stubborn ? 0 : 1);
    *slow.release = true;
    QTRY_COMPARE_WITH_TIMEOUT(*slow.ended, 1, kReading);
    QTest::qWait(50);
    guitest::settle();
}

void Test_music::pasteTracklist_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ctrl+Shift+V") << "keys";
    QTest::newRow("menu of the minute box") << "minutes";
    QTest::newRow("menu of the second box") << "seconds";
}

// A copied tracklist pasted at row 2 fills rows 2, 3 and 4: the last time
// on each line, in any of its spellings; a line without a time gives
// nothing. The times count as typed ones.
void Test_music::pasteTracklist()
{
    QFETCH(QString, how);
    const QString boxes = QStringLiteral("| 3|27 3|5 4|5 11*|");
    QString pasted;
    {
        Session s;
        EntryScreen *screen = openScreen(s, false, {});
        QVERIFY(screen);
        QGuiApplication::clipboard()->setText(
            QStringLiteral("Title · Artist 3:27\n３：０５\n4分5秒\nボーナストラック\n"));
        QLineEdit *minutes = minuteBox(screen, 1);
        QVERIFY(activate(screen));
        minutes->setFocus();
        if (how == QLatin1String("keys")) {
            QTest::keyClick(minutes, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            QLineEdit *box = how == QLatin1String("minutes") ? minutes : secondBox(screen, 1);
            QVERIFY(chooseFromMenu(box, box->rect().center(), {QStringLiteral("時間を貼り付け")}));
        }
        settle();
        QCOMPARE(boxTexts(screen), rows(boxes));
        QCOMPARE(noteOn(screen), QString());
        pasted = calculate(s, screen);
    }
    QCOMPARE(pasted, calculateTyped(false, {}, rows(boxes)));
}

// Plain Ctrl+V is the box's own paste: the clipboard's text goes into the
// focused box as it stands, and no other box changes.
void Test_music::plainPasteTypesTheText()
{
    Session s;
    EntryScreen *screen = openScreen(s, false, {});
    QVERIFY(screen);
    QGuiApplication::clipboard()->setText(QStringLiteral("Title · Artist 3:27"));
    QVERIFY(activate(screen));
    minuteBox(screen, 1)->setFocus();
    QTest::keyClick(minuteBox(screen, 1), Qt::Key_V, Qt::ControlModifier);
    settle();
    QCOMPARE(boxTexts(screen), rows("| Title_·_Artist_3:27| 13*|"));
    QVERIFY(!program().isReading());
}

// The list after a calculation: Ctrl+C in the list and the menu's 一覧をコピー
// put the whole list on the clipboard, テキストに保存… writes the same text as
// UTF-8, and that file dropped on a new screen gives the same times in the
// same rows and the same list.
void Test_music::copySaveAndDropBack()
{
    Session s;
    QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    const QPointer<EntryScreen> screen = openPageOne(s.main, false, rows("4:30 3:15 5:5"));
    QVERIFY(dropFiles(screen, rowPoint(screen, 4), fixtures({"tone.flac"})));
    QVERIFY(waitForReading());
    QVERIFY(press(screen));
    QVERIFY(!screen);
    const QString summary = s.summary();
    QCOMPARE(summary, QStringLiteral("remaining | tape [46] | entry correct - | list [4:30 3:15 "
                                     "5:05 0:03 11*0:00] | result 33/7"));
    const QString expected = listOfFourSongs();
    QClipboard *clipboard = QGuiApplication::clipboard();

    QVERIFY(activate(s.main));
    s.main->list1->setFocus();
    QTest::keyClick(s.main->list1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), expected);

    QWidget *listArea = s.main->list1->viewport();
    clipboard->clear();
    QVERIFY(chooseFromMenu(listArea, QPoint(10, 10), {QStringLiteral("一覧をコピー")}));
    QCOMPARE(clipboard->text(), expected);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QString path = folder.filePath(QStringLiteral("テープの曲目.txt"));
    QString suggested;
    tavelo::setSaveFileChooser([&](const QString &name) {
        suggested = name;
        return path;
    });
    QVERIFY(chooseFromMenu(listArea, QPoint(10, 10), {QStringLiteral("テキストに保存…")}));
    QCOMPARE(suggested, QStringLiteral("テープの曲目.txt"));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), expected.toUtf8());
    QCOMPARE(s.messageTexts(), QStringList{});

    // The saved list dropped on the first row of a new screen gives the same
    // rows (its unused rows come back as 0:00) and the same list; saved
    // again, the same file, titles included.
    QVERIFY(click(s.main->nyuryoku));
    EntryScreen *fresh = guitest::screen(ScreenId::Entry);
    QVERIFY(fresh);
    QCOMPARE(boxTexts(fresh), rows("15*|"));
    QVERIFY(dropFiles(fresh, rowPoint(fresh, 1), {saved.fileName()}));
    QVERIFY(waitForReading());
    QCOMPARE(boxTexts(fresh), rows("4|30 3|15 5|5 0|3 11*0|0"));
    QCOMPARE(noteOn(fresh), QString());
    QVERIFY(press(fresh));
    QCOMPARE(s.summary(), summary);
    path = folder.filePath(QStringLiteral("again.txt"));
    QVERIFY(chooseFromMenu(listArea, QPoint(10, 10), {QStringLiteral("テキストに保存…")}));
    QFile again(path);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), expected.toUtf8());
    QCOMPARE(s.messageTexts(), QStringList{});
}

void Test_music::saveFailure_data()
{
    QTest::addColumn<QString>("target");  // under a fresh folder; "" for the folder itself
    QTest::addColumn<QStringList>("messages");
    // clang-format off
    QTest::newRow("a folder")               << "" << QStringList{kSaveFailed};
    QTest::newRow("under a missing folder") << "missing/list.txt" << QStringList{kSaveFailed};
    QTest::newRow("cancelled")              << "cancel" << QStringList{};
    // clang-format on
}

// A list that cannot be written says so in the error box and leaves nothing
// behind; cancelling the file dialog does nothing.
void Test_music::saveFailure()
{
    QFETCH(QString, target);
    QFETCH(QStringList, messages);

    Session s;
    QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    QVERIFY(press(openPageOne(s.main, false, rows("4:30"))));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = target == QLatin1String("cancel") ? QString()
                         : target.isEmpty()                ? folder.path()
                                                           : folder.filePath(target);
    tavelo::setSaveFileChooser([&path](const QString &) { return path; });
    const QString summary = s.summary();

    QVERIFY(chooseFromMenu(s.main->list1->viewport(), QPoint(10, 10),
                           {QStringLiteral("テキストに保存…")}));
    QCOMPARE(s.messageTexts(), messages);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
    QCOMPARE(s.summary(), summary);
}

void Test_music::tapeLengthFromMenu_data()
{
    QTest::addColumn<QString>("box");  // Totaltxt, the capacity dialog's or the A面・B面 window's
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("minutes");
    // clang-format off
    QTest::newRow("main window, C60")   << "Totaltxt" << "C60（片面30分）" << "30";
    QTest::newRow("main window, C120")  << "Totaltxt" << "C120（片面60分）" << "60";
    QTest::newRow("dialog, C60")        << "Text1" << "C60（片面30分）" << "30";
    QTest::newRow("dialog, C46")        << "Text1" << "C46（片面23分）" << "23";
    QTest::newRow("A面・B面, C90")       << "SideMinutes" << "C90（片面45分）" << "45";
    // clang-format on
}

// A cassette chosen from a capacity box's menu types its side's minutes
// over the box's text, as if typed (undo brings the old text back), and does
// nothing else; in the dialog, OK then takes them as typed ones.
void Test_music::tapeLengthFromMenu()
{
    QFETCH(QString, box);
    QFETCH(QString, entry);
    QFETCH(QString, minutes);

    QString accepted;
    {
        Session s;
        QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
        QVERIFY(press(openPageOne(s.main, false, rows("4:30"))));
        const QString before = s.summary();
        const QStringList songs = songTable(s.main);
        QLineEdit *target = s.main->totaltxt;
        if (box == QLatin1String("Text1"))
            target = CapacityDialogView(openCapacityDialog(s.main))->text1;
        else if (box == QLatin1String("SideMinutes"))
            target = control<QLineEdit>(program().showSidesWindow(), box);
        if (target != s.main->totaltxt)
            QVERIFY(type(target, QStringLiteral("12")));

        const QString old = target->text();
        QVERIFY(chooseFromMenu(target, target->rect().center(),
                               {QStringLiteral("テープの長さ"), entry}));
        QCOMPARE(target->text(), minutes);
        QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(target->text(), old);
        QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(target->text(), minutes);
        QCOMPARE(s.summary(),
                 target != s.main->totaltxt
                     ? before
                     : QString(before).replace(QStringLiteral("tape [46]"),
                                               QStringLiteral("tape [%1]").arg(minutes)));
        QCOMPARE(songTable(s.main), songs);
        QCOMPARE(s.messageTexts(), QStringList{});
        if (box != QLatin1String("Text1"))
            return;
        QVERIFY(capacityDialog());
        QVERIFY(click(CapacityDialogView(capacityDialog())->command1));
        settle();
        QVERIFY(!capacityDialog());
        accepted = s.summary();
    }
    Session s;
    QVERIFY(acceptCapacity(s.main, QStringLiteral("46")));
    QVERIFY(press(openPageOne(s.main, false, rows("4:30"))));
    QVERIFY(acceptCapacity(s.main, minutes));
    QCOMPARE(accepted, s.summary());
}

// The boxes of the other windows take no drag of files either: none is typed
// into them as its file:// text.
void Test_music::fileDragRefusedElsewhere()
{
    Session s;
    QVERIFY(type(s.main->totaltxt, QStringLiteral("46")));
    QWidget *dialog = openCapacityDialog(s.main);
    QVERIFY(dialog);
    QWidget *sides = program().showSidesWindow();
    const auto box = [](QWidget *window, const char *name) {
        return control<QLineEdit>(window, QString::fromLatin1(name));
    };
    for (QLineEdit *target : {s.main->totaltxt, box(dialog, "Text1"), box(sides, "SideMinutes"),
                              box(sides, "CardTitle")}) {
        const QString before = target->text();
        QCOMPARE(dragFiles(target, target->rect().center(), fixtures({"tone.flac"})),
                 QStringLiteral("enter move drop"));
        QCOMPARE(target->text(), before);
    }
}

void Test_music::cdFromMenu_data()
{
    QTest::addColumn<QString>("disc");  // what the drive holds, or "three" with a drive in trouble
    QTest::addColumn<QStringList>("drop");  // cdda URLs dropped; none: CDから読み込む on row 3
    QTest::addColumn<int>("row");           // where they are dropped; 0: below the rows
    QTest::addColumn<QString>("drive");     // the drive asked for
    QTest::addColumn<QString>("boxes");     // the fifteen rows shown afterwards
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("note");
    const QStringList menu;
    const QStringList three{"3: 朝 / 山田", "4: 昼 / 山田", "5: 夜 / 田中"};
    // clang-format off
    QTest::newRow("CD with CD-TEXT")     << "three" << menu << 3 << "" << "2*| 3|26 3|55 4|12 10*|" << three << "";
    QTest::newRow("no disc")             << "nodisc" << menu << 3 << "" << "15*|" << QStringList{} << "CDドライブにディスクが入っていません。";
    QTest::newRow("data disc")           << "data" << menu << 3 << "" << "15*|" << QStringList{} << "このディスクには音楽のトラックがありません。";
    QTest::newRow("no drive")            << "missing" << menu << 3 << "" << "15*|" << QStringList{} << "CDドライブが見つかりませんでした。";
    QTest::newRow("ejected mid-read")    << "ejected" << menu << 3 << "" << "15*|" << QStringList{} << "CDドライブのトレイが開いています。";
    QTest::newRow("the disc dropped")    << "three" << QStringList{"cdda://sr1/"} << 3 << "sr1" << "2*| 3|26 3|55 4|12 10*|" << three << "";
    QTest::newRow("two tracks dropped")  << "three" << QStringList{"cdda://sr0/Track%203.wav", "cdda://sr0/Track%201.wav"} << 1 << "sr0" << "4|12 3|26 13*|" << QStringList{"1: 夜 / 田中", "2: 朝 / 山田"} << "";
    QTest::newRow("a track not there")   << "three" << QStringList{"cdda://sr0/Track%209.wav"} << 0 << "sr0" << "15*|" << QStringList{} << "1件を読めませんでした：Track 9.wav";
    // clang-format on
}

// CDから読み込む in a row's menu reads the disc in the drive off the GUI
// thread and fills the rows from there, titles included; an audio CD dragged
// from the desktop (its cdda:// URL, or its tracks') is read from that drive
// and placed as dropped files are. A drive in trouble gets a note and nothing
// is typed. The times count as typed ones.
void Test_music::cdFromMenu()
{
    using tavelo::DriveStatus;
    QFETCH(QString, disc);
    QFETCH(QStringList, drop);
    QFETCH(int, row);
    QFETCH(QString, drive);
    QFETCH(QString, boxes);
    QFETCH(QStringList, titles);
    QFETCH(QString, note);
    fakecd::Disc inDrive{
        {DriveStatus::Ready},
        tavelo::CdToc{fakecd::tocTable(QStringLiteral("a0 a15487 a33109 |52000")), 0},
        fakecd::cdTextBytes({{fakecd::kMsJis,
                              fakecd::kJapanese,
                              {"夏の記録", "朝", "昼", "夜"},
                              {"山田", "\t", "\t", "田中"}}})};
    if (disc == QLatin1String("nodisc"))
        inDrive.statuses = {DriveStatus::NoDisc};
    else if (disc == QLatin1String("missing"))
        inDrive.statuses = {DriveStatus::Missing};
    else if (disc == QLatin1String("ejected"))
        inDrive.statuses = {DriveStatus::Ready, DriveStatus::TrayOpen};
    else if (disc == QLatin1String("data"))
        inDrive.toc = tavelo::CdToc{fakecd::tocTable(QStringLiteral("d0 |300000")), 0};

    QString read;
    {
        Session s;
        const auto names = std::make_shared<QStringList>();
        guitest::program().setCdDriveOpener(fakecd::opener(inDrive, names));
        EntryScreen *screen = openScreen(s, false, {});
        QVERIFY(screen);
        if (drop.isEmpty()) {
            QLineEdit *box = minuteBox(screen, row - 1);
            QVERIFY(chooseFromMenu(box, box->rect().center(), {QStringLiteral("CDから読み込む")}));
        } else {
            // As the desktop offers a disc: its URLs only, no text.
            QMimeData mime;
            QList<QUrl> urls;
            for (const QString &url : drop)
                urls << QUrl(url);
            mime.setUrls(urls);
            const QPoint at = row > 0 ? rowPoint(screen, row) : belowTheRows(screen);
            QCOMPARE(drag(screen, at, mime), QString());
        }
        QVERIFY(waitForReading());
        QCOMPARE(*names, QStringList{drive});
        QCOMPARE(boxTexts(screen), rows(boxes));
        QCOMPARE(rowTitles(screen), titles);
        QCOMPARE(noteOn(screen), note);
        QCOMPARE(boxesWithUrls(screen), QStringList{});
        QCOMPARE(s.messageTexts(), QStringList{});
        read = calculate(s, screen);
    }
    QCOMPARE(read, calculateTyped(false, {}, rows(boxes)));
}

GUITEST_MAIN(Test_music)
#include "test_music.moc"

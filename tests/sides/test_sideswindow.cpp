// SPDX-License-Identifier: MIT
// The A面・B面 window driven through its real boxes and buttons, and the
// index card it writes and prints, read back from the PDF.

#include "core/model.h"
#include "gui/errorbox.h"
#include "gui/filechooser.h"
#include "gui/formwindow.h"
#include "sides/cardprint.h"
#include "sides/sideswindow.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tavelo;

namespace {

// A state after a calculation of these songs on a side of `capacity` minutes.
MainState stateWith(const QString &capacity, const QStringList &times)
{
    MainState state;
    state.capacity = capacity;
    state.songs.fill(zeroTime());
    for (int i = 0; i < times.size(); ++i) {
        const QStringList ms = times[i].split(QLatin1Char(':'));
        state.songs.at(i) = {ms[0], ms[1]};
    }
    return state;
}

template <typename T>
T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

QStringList lines(QWidget *window, const char *list)
{
    QStringList out;
    auto *w = child<QListWidget>(window, list);
    for (int i = 0; i < w->count(); ++i)
        out << w->item(i)->text();
    return out;
}

// Types into a box as a user does: focus, select everything, type; text
// beyond Latin-1 comes from the input method, as Japanese text does.
void typeInto(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    bool latin1 = true;
    for (const QChar c : text)
        latin1 = latin1 && c.unicode() < 0x80;
    if (latin1) {
        QTest::keyClicks(box, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

// The text of a PDF as poppler reads it.
QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class Test_sideswindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void splitFollowsTheBoxes();
    void cardAsPdf();
    void cardPrinted();
    void cardNotWritten();
    void titlesTypedHere();
    void cleanup();

private:
    QTemporaryDir dir_;
    QList<Message> messages_;
};

void Test_sideswindow::initTestCase()
{
    // The program maps the screen face to IPA P Gothic at start; so does this test.
    QFont::insertSubstitution(kScreenFace, QStringLiteral("IPAPGothic"));
    setErrorBoxHandler([this](QWidget *, Message m) { messages_ << m; });
    QVERIFY(dir_.isValid());
}

void Test_sideswindow::cleanup()
{
    messages_.clear();
    setSaveFileChooser({});
    setPrintDialogHandler({});
    setLineAsker({});
}

void Test_sideswindow::splitFollowsTheBoxes()
{
    auto *w = new SidesWindow;
    QSignalSpy closed(w, &FormWindow::closed);
    w->setState(stateWith(QStringLiteral("30"), {"10:0", "10:0", "9:59", "0:0"}));
    w->show();
    QCOMPARE(w->objectName(), QStringLiteral("SidesForm"));
    QCOMPARE(w->windowTitle(), QStringLiteral("A面・B面"));
    QCOMPARE(child<QLineEdit>(w, "SideMinutes")->text(), QStringLiteral("30"));
    QCOMPARE(lines(w, "SideAList"), QStringList({"1. 10:00", "2. 10:00", "3. 9:59"}));
    QCOMPARE(child<QLabel>(w, "SideATotal")->text(), QStringLiteral("合計 29:59　残り 0:01"));

    // A gap of one second sends song 3 to side B.
    typeInto(child<QSpinBox>(w, "GapSeconds"), QStringLiteral("1"));
    QCOMPARE(lines(w, "SideBList"), QStringList({"3. 9:59"}));
    QCOMPARE(child<QLabel>(w, "FlipPoint")->text(),
             QStringLiteral("A面の最後は2曲目、B面は3曲目から。"));
    // Leader and extra length: 2 s of leader, 5 s more tape bring it back.
    typeInto(child<QSpinBox>(w, "LeaderSeconds"), QStringLiteral("2"));
    typeInto(child<QSpinBox>(w, "ExtraSeconds"), QStringLiteral("5"));
    QCOMPARE(lines(w, "SideBList"), QStringList());
    QCOMPARE(child<QLabel>(w, "SideATotal")->text(), QStringLiteral("合計 30:03　残り 0:02"));

    // A side length that is no number: the program's message, no card.
    auto *length = child<QLineEdit>(w, "SideMinutes");
    typeInto(length, QStringLiteral("三十"));
    QCOMPARE(child<QLabel>(w, "FlipPoint")->text(),
             QStringLiteral("録音可能時間の入力が間違ってます。"));
    QVERIFY(!child<QPushButton>(w, "SaveCard")->isEnabled());
    QVERIFY(lines(w, "SideAList").isEmpty());
    typeInto(length, QStringLiteral("9999999999"));
    QCOMPARE(child<QLabel>(w, "FlipPoint")->text(), QStringLiteral("録音可能時間が大きすぎます。"));
    typeInto(length, QStringLiteral("10"));
    QCOMPARE(lines(w, "SideAList"), QStringList({"1. 10:00"}));
    QCOMPARE(child<QLabel>(w, "SideBTotal")->text(),
             QStringLiteral("合計 20:02　9:57 はみ出します"));
    // Only the side that runs over is red.
    QCOMPARE(child<QLabel>(w, "SideATotal")->styleSheet(), QString());
    QCOMPARE(child<QLabel>(w, "SideBTotal")->styleSheet(), QStringLiteral("color: #b00000;"));
    QVERIFY(messages_.isEmpty());

    // A new calculation updates the songs and keeps the length typed here;
    // a new capacity in the main window replaces it.
    w->setState(stateWith(QStringLiteral("30"), {"1:0"}));
    QCOMPARE(length->text(), QStringLiteral("10"));
    QCOMPARE(lines(w, "SideAList"), QStringList({"1. 1:00"}));
    w->setState(stateWith(QStringLiteral("46"), {"1:0"}));
    QCOMPARE(length->text(), QStringLiteral("46"));

    // Enter in a box changes nothing; Esc closes the window.
    QTest::keyClick(length, Qt::Key_Return);
    QCOMPARE(closed.size(), 0);
    QTest::keyClick(length, Qt::Key_Escape);
    QCOMPARE(closed.size(), 1);
}

void Test_sideswindow::cardAsPdf()
{
    const QString path = dir_.filePath(QStringLiteral("card.pdf"));
    setSaveFileChooser([&path](const QString &suggested) {
        return suggested.endsWith(QLatin1String(".pdf")) ? path : QString();
    });
    SidesWindow w;
    w.setState(stateWith(QStringLiteral("30"), {"10:0", "15:0", "10:0", "5:30"}));
    w.show();
    typeInto(child<QLineEdit>(&w, "CardTitle"), QStringLiteral("夏のドライブ"));
    QTest::mouseClick(child<QPushButton>(&w, "SaveCard"), Qt::LeftButton);
    QVERIFY(messages_.isEmpty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    // One A4 page (595.3 x 841.9 points), the font embedded.
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
    QVERIFY2(pdf.contains("/MediaBox [0 0 595"), pdf.mid(pdf.indexOf("/MediaBox"), 40).constData());
    QVERIFY(pdf.contains("/FontFile2") || pdf.contains("/FontFile3"));

    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext is missing: install poppler-utils");
    const QString text = pdfText(path);
    for (const char *shown :
         {"夏のドライブ", "A面", "B面", "1曲目", "10:00", "25:00", "15:30", "4曲目", "5:30"})
        QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
}

void Test_sideswindow::cardPrinted()
{
    const QString path = dir_.filePath(QStringLiteral("printed.pdf"));
    bool asked = false;
    setPrintDialogHandler([&](QPrinter &printer) {
        asked = true;
        // 100 %: the whole paper is the painter's, from its corner.
        if (!printer.fullPage())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    SidesWindow w;
    w.setState(stateWith(QStringLiteral("23"), {"3:45", "4:10"}));
    w.show();
    QTest::mouseClick(child<QPushButton>(&w, "PrintCard"), Qt::LeftButton);
    QVERIFY(asked);
    QVERIFY(messages_.isEmpty());
    QVERIFY(pdfText(path).contains(QStringLiteral("C46")));  // a side of 23 minutes, no title

    // Cancelled: nothing printed, nothing said.
    setPrintDialogHandler([](QPrinter &) { return false; });
    QFile::remove(path);
    QTest::mouseClick(child<QPushButton>(&w, "PrintCard"), Qt::LeftButton);
    QVERIFY(!QFile::exists(path));
    QVERIFY(messages_.isEmpty());
}

void Test_sideswindow::cardNotWritten()
{
    setSaveFileChooser(
        [this](const QString &) { return dir_.filePath(QStringLiteral("no/such/folder/c.pdf")); });
    SidesWindow w;
    w.setState(stateWith(QStringLiteral("46"), {"3:45"}));
    w.show();
    QTest::mouseClick(child<QPushButton>(&w, "SaveCard"), Qt::LeftButton);
    QCOMPARE(messages_, QList<Message>{Message::CardSaveFailed});
    // Cancelled in the file dialog: nothing written, nothing said.
    messages_.clear();
    setSaveFileChooser([](const QString &) { return QString(); });
    QTest::mouseClick(child<QPushButton>(&w, "SaveCard"), Qt::LeftButton);
    QVERIFY(messages_.isEmpty());
}

// Titles come with the song table and can be typed here for the card: Enter
// (or a double click) on a song asks for its title. They never reach the
// main state, and a new calculation starts without them.
void Test_sideswindow::titlesTypedHere()
{
    MainState state = stateWith(QStringLiteral("30"), {"10:0", "25:0"});
    state.songs.at(0).title = QStringLiteral("Song A / Band");
    SidesWindow w;
    w.setState(state);
    w.show();
    QCOMPARE(lines(&w, "SideAList"), QStringList({"1. 10:00  Song A / Band"}));
    QString askedFor;
    setLineAsker([&askedFor](const QString &label, const QString &text) {
        askedFor = label + u'|' + text;
        return std::optional<QString>(QStringLiteral("  夏の歌 "));
    });
    auto *sideB = child<QListWidget>(&w, "SideBList");
    sideB->setFocus();
    sideB->setCurrentRow(0);
    QTest::keyClick(sideB, Qt::Key_Return);
    QCOMPARE(askedFor, QStringLiteral("2曲目の曲名|"));
    QCOMPARE(lines(&w, "SideBList"), QStringList({"2. 25:00  夏の歌"}));
    // Cancelled: the title stays.
    setLineAsker([](const QString &, const QString &) { return std::optional<QString>(); });
    QTest::keyClick(sideB, Qt::Key_Return);
    QCOMPARE(lines(&w, "SideBList"), QStringList({"2. 25:00  夏の歌"}));
    // The same songs again keep it; other songs do not.
    w.setState(state);
    QCOMPARE(lines(&w, "SideBList"), QStringList({"2. 25:00  夏の歌"}));
    w.setState(stateWith(QStringLiteral("30"), {"10:0", "24:0"}));
    QCOMPARE(lines(&w, "SideBList"), QStringList({"2. 24:00"}));
}

QTEST_MAIN(Test_sideswindow)
#include "test_sideswindow.moc"

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
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
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

// A PDF's page in points, from its MediaBox.
QSizeF pdfPage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto match = QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"))
                           .match(QString::fromLatin1(file.readAll()));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QSizeF();
}

// What a ruler finds on the first page of a PDF drawn at 10 dots to the
// millimetre (254 dpi, by poppler): the longest dark line across the band
// from `top` to `bottom` mm, as its left and right ends in mm.
struct Run {
    double left = 0, right = 0;
    double length() const { return right - left; }
};
Run longestLine(const QImage &page, double top, double bottom)
{
    Run best;
    for (int y = int(top * 10); y < std::min(page.height(), int(bottom * 10)); ++y) {
        const uchar *row = page.constScanLine(y);
        for (int x = 0; x < page.width();) {
            int end = x;
            while (end < page.width() && row[end] < 128)
                ++end;
            if ((end - x) / 10.0 > best.length())
                best = {x / 10.0, end / 10.0};
            x = end + 1;
        }
    }
    return best;
}
QImage drawnAt254(const QString &pdf)
{
    const QString out = pdf + QStringLiteral(".page");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
             QStringLiteral("-singlefile"), pdf, out});
    p.waitForFinished();
    return QImage(out + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace

class Test_sideswindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void splitFollowsTheBoxes();
    void splitModes();
    void cardAsPdf();
    void cardPages_data();
    void cardPages();
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

// The way of splitting is chosen in the window; the user's own flip is one
// of the songs, offered only in that way, and starts at the flip shown; the
// shortest cassette follows every change.
void Test_sideswindow::splitModes()
{
    SidesWindow w;
    w.setState(stateWith(QStringLiteral("23"), QStringList(8, QStringLiteral("4:0"))));
    w.show();
    auto *mode = child<QComboBox>(&w, "SplitMode");
    auto *flip = child<QComboBox>(&w, "FlipSong");
    const auto shown = [&w] {
        return child<QLabel>(&w, "FlipPoint")->text() + u'|' +
               child<QLabel>(&w, "ShortestTape")->text();
    };
    QCOMPARE(shown(), QStringLiteral("A面の最後は5曲目、B面は6曲目から。|"
                                     "C40なら収まります（A面 残り0:00、B面 残り8:00）"));
    QVERIFY(!flip->isEnabled());
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    QCOMPARE(shown(), QStringLiteral("A面の最後は4曲目、B面は5曲目から。|"
                                     "C40なら収まります（A面 残り4:00、B面 残り4:00）"));
    QTest::keyClick(mode, Qt::Key_Down);
    QVERIFY(flip->isEnabled());
    QCOMPARE(flip->currentIndex(), 3);
    QCOMPARE(flip->itemText(3), QStringLiteral("4. 4:00"));
    flip->setFocus();
    QTest::keyClick(flip, Qt::Key_End);
    QCOMPARE(shown(), QStringLiteral("全曲がA面です（A面の最後は8曲目）。|"
                                     "C64なら収まります（A面 残り0:00、B面 残り32:00）"));
    QCOMPARE(child<QLabel>(&w, "SideATotal")->styleSheet(), QStringLiteral("color: #b00000;"));
    // Fewer songs: the flip becomes the last song; no songs, nothing to choose.
    w.setState(stateWith(QStringLiteral("23"), {"4:0", "4:0", "4:0"}));
    QCOMPARE(flip->currentIndex(), 2);
    w.setState(stateWith(QStringLiteral("23"), {}));
    QVERIFY(!flip->isEnabled());
    QCOMPARE(child<QLabel>(&w, "ShortestTape")->text(), QString());
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
    child<QComboBox>(&w, "CardPaper")->setCurrentIndex(0);  // A4
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

void Test_sideswindow::cardPages_data()
{
    QTest::addColumn<int>("paper");  // the index of CardPaper
    QTest::addColumn<int>("size");   // of CardSize
    QTest::addColumn<bool>("guides");
    QTest::addColumn<QSizeF>("points");  // A4 comes as whole points, as Qt writes it
    QTest::addColumn<double>("left");    // of the card's outline, mm; 0 without
    QTest::addColumn<double>("right");
    // clang-format off
    QTest::newRow("A4")                 << 0 << 0 << true  << QSizeF(595, 842) << 22.45 << 187.55;
    QTest::newRow("Letter")             << 1 << 0 << true  << QSizeF(612, 792)               << 25.4  << 190.5;
    QTest::newRow("Letter, short card") << 1 << 1 << true  << QSizeF(612, 792)               << 31.75 << 184.15;
    QTest::newRow("Letter, no guides")  << 1 << 0 << false << QSizeF(612, 792)               << 0.0   << 0.0;
    // clang-format on
}

// The PDF on the paper chosen, measured as a user would with a ruler: the
// card's outline where it belongs, and the bar 50 mm long whatever the paper.
void Test_sideswindow::cardPages()
{
    QFETCH(int, paper);
    QFETCH(int, size);
    QFETCH(bool, guides);
    QFETCH(double, left);
    QFETCH(double, right);
    const QString path =
        dir_.filePath(QStringLiteral("page%1%2%3.pdf").arg(paper).arg(size).arg(guides));
    setSaveFileChooser([&path](const QString &) { return path; });
    SidesWindow w;
    w.setState(stateWith(QStringLiteral("23"), {"3:45", "4:10"}));
    w.show();
    child<QComboBox>(&w, "CardPaper")->setCurrentIndex(paper);
    child<QComboBox>(&w, "CardSize")->setCurrentIndex(size);
    if (child<QCheckBox>(&w, "CardGuides")->isChecked() != guides)
        QTest::mouseClick(child<QCheckBox>(&w, "CardGuides"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(&w, "SaveCard"), Qt::LeftButton);
    QVERIFY(messages_.isEmpty());

    const QSizeF page = pdfPage(path);
    QFETCH(QSizeF, points);
    QVERIFY2(qAbs(page.width() - points.width()) < 0.01 &&
                 qAbs(page.height() - points.height()) < 0.01,
             qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
    const QImage drawn = drawnAt254(path);
    QVERIFY(!drawn.isNull());
    const Run top = longestLine(drawn, 19.5, 20.5);
    QVERIFY2(qAbs(top.left - left) < 0.15 && qAbs(top.right - right) < 0.15,
             qPrintable(QStringLiteral("%1 %2").arg(top.left).arg(top.right)));
    // Under the card, its marks and its note.
    const Run bar = longestLine(drawn, 135, 160);
    QVERIFY2(qAbs(bar.length() - 50) < 0.15, qPrintable(QString::number(bar.length())));
    QVERIFY(pdfText(path).contains(QStringLiteral("50 mm")));
}

void Test_sideswindow::cardPrinted()
{
    const QString path = dir_.filePath(QStringLiteral("printed.pdf"));
    QString openedOn;
    setPrintDialogHandler([&](QPrinter &printer) {
        openedOn = printer.pageLayout().pageSize().name();
        // 100 %: the whole paper is the painter's, from its corner.
        if (!printer.fullPage())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        // The user picks Letter in the dialog.
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return true;
    });
    SidesWindow w;
    w.setState(stateWith(QStringLiteral("23"), {"3:45", "4:10"}));
    w.show();
    child<QComboBox>(&w, "CardPaper")->setCurrentIndex(0);  // A4
    QTest::mouseClick(child<QPushButton>(&w, "PrintCard"), Qt::LeftButton);
    QCOMPARE(openedOn, QStringLiteral("A4"));
    QVERIFY(messages_.isEmpty());
    QVERIFY(pdfText(path).contains(QStringLiteral("C46")));  // a side of 23 minutes, no title
    // Laid out again for the paper chosen: Letter, the card centred on it.
    QCOMPARE(pdfPage(path), QSizeF(612, 792));
    const Run top = longestLine(drawnAt254(path), 19.5, 20.5);
    QVERIFY2(qAbs(top.left - 25.4) < 0.15 && qAbs(top.right - 190.5) < 0.15,
             qPrintable(QStringLiteral("%1 %2").arg(top.left).arg(top.right)));

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

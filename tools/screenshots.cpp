// SPDX-License-Identifier: MIT
// Takes the pictures of the README: the main window after a calculation, a
// page-1 entry screen with songs typed, and the message that the songs no
// longer fit, and the A面・B面 window. Each window is grabbed offscreen as the
// program draws it.
//
//     tavelo_screenshots OUTPUT-FOLDER RATIO [CARD-PDF]
//
// RATIO is the device pixel ratio (1 or 2); the files are named after it.
// With CARD-PDF, the A面・B面 window's index card is saved there as well, on
// Letter paper.
//
// In English (LANGUAGE=en) the files are named en-*, the songs and the card
// have English titles, and every other window is taken too: the capacity
// dialog, the page-2 and correction screens of both modes, and the main
// window in total mode.

#include "app/appsetup.h"
#include "app/language.h"
#include "app/program.h"
#include "calc/placesongs.h"
#include "dialogs/capacitydialog.h"
#include "entry/entryscreen.h"
#include "gui/filechooser.h"
#include "mainwindow/mainwindow.h"
#include "readers/tracklist.h"
#include "sides/sideswindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>

namespace {

QString folder;
QString prefix;
QString suffix;

void save(QWidget *window, const char *name)
{
    const QString path = QDir(folder).filePath(
        QStringLiteral("%1%2%3.png").arg(prefix, QLatin1String(name), suffix));
    if (!window->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

template <typename Control>
Control *control(QWidget *window, const QString &name)
{
    return window->findChild<Control *>(name, Qt::FindDirectChildrenOnly);
}

void typeSongs(QWidget *screen, const QStringList &songs)
{
    for (int row = 0; row < songs.size(); ++row) {
        const QStringList parts = songs[row].split(QLatin1Char(':'));
        control<QLineEdit>(screen, QStringLiteral("Text1(%1)").arg(row))->setText(parts[0]);
        control<QLineEdit>(screen, QStringLiteral("Text2(%1)").arg(row))->setText(parts[1]);
    }
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// The windows the README does not show in Japanese, after the calculation
// of eleven songs: the correction screen of those songs, a page 2, the
// capacity dialog, then the same songs totalled.
void saveTheOtherWindows(tavelo::Program &program, QWidget *main)
{
    control<QPushButton>(main, QStringLiteral("Teisei"))->click();
    settle();
    save(program.screen(tavelo::ScreenId::Correction), "correction-screen");
    program.closeAll();
    main = program.start();
    QWidget *dialog = program.showCapacityDialog();
    control<QLineEdit>(dialog, QStringLiteral("Text1"))->setText(QStringLiteral("46"));
    settle();
    save(dialog, "capacity-dialog");
    control<QPushButton>(dialog, QStringLiteral("Command1"))->click();
    settle();
    save(program.showScreen(tavelo::ScreenId::Page2), "page-2");
    program.closeAll();

    main = program.start();
    control<QPushButton>(main, QStringLiteral("Goukei"))->click();
    QWidget *screen = program.screen(tavelo::ScreenId::TotalEntry);
    typeSongs(screen, {"4:30", "3:45", "5:12", "6:05", "4:58"});
    settle();
    save(screen, "total-screen");
    control<QPushButton>(screen, QStringLiteral("Command2"))->click();
    settle();
    save(main, "main-window-total");
    control<QPushButton>(main, QStringLiteral("Goteisei"))->click();
    settle();
    save(program.screen(tavelo::ScreenId::TotalCorrection), "total-correction-screen");
    save(program.showScreen(tavelo::ScreenId::TotalPage2), "total-page-2");
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: tavelo_screenshots OUTPUT-FOLDER RATIO [CARD-PDF]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    tavelo::setUpApplication();
    tavelo::useSystemLanguage();
    const bool english =
        tavelo::languageFor(QLocale::system().uiLanguages()) == tavelo::Language::English;
    if (english)
        prefix = QStringLiteral("en-");
    folder = QString::fromLocal8Bit(argv[1]);
    suffix = QStringLiteral("@%1x").arg(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(folder);

    // A tape of 46 minutes per side and five songs.
    tavelo::Program program;
    QWidget *main = program.start();
    QWidget *dialog = program.showCapacityDialog();
    control<QLineEdit>(dialog, QStringLiteral("Text1"))->setText(QStringLiteral("46"));
    control<QPushButton>(dialog, QStringLiteral("Command1"))->click();
    settle();
    const QStringList songs{"4:30", "3:45", "5:12", "6:05", "4:58"};
    control<QPushButton>(main, QStringLiteral("Nyuryoku"))->click();
    QWidget *screen = program.screen(tavelo::ScreenId::Entry);
    typeSongs(screen, songs);
    settle();
    save(screen, "entry-screen");
    control<QPushButton>(screen, QStringLiteral("Command2"))->click();
    settle();
    save(main, "main-window");

    // Eleven songs of 4:30 on the same tape: the message that they do not fit.
    control<QPushButton>(main, QStringLiteral("Nyuryoku"))->click();
    screen = program.screen(tavelo::ScreenId::Entry);
    typeSongs(screen, QStringList(11, QStringLiteral("4:30")));
    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        settle();
        save(box, "over-capacity");
        box->close();
    });
    control<QPushButton>(screen, QStringLiteral("Command2"))->click();
    settle();

    // Eleven songs on a tape of 60 minutes a side, then split over a C46 (23
    // minutes a side) typed in the A面・B面 window, with 4 s between songs
    // and 5 s of leader.
    dialog = program.showCapacityDialog();
    control<QLineEdit>(dialog, QStringLiteral("Text1"))->setText(QStringLiteral("60"));
    control<QPushButton>(dialog, QStringLiteral("Command1"))->click();
    control<QPushButton>(main, QStringLiteral("Nyuryoku"))->click();
    // The songs come as a tracklist with titles, as 時間を貼り付け reads it.
    auto *entry = program.screen(tavelo::ScreenId::Entry);
    const QString tracklist =
        english ? QStringLiteral("Morning Light · Imaginary Band 4:30\nCoast Road 3:45\n"
                                 "Night Bus 5:12\nEnd of Summer 6:05\nPaper Planes 4:58\n"
                                 "After the Rain 3:20\nSlow River 4:41\nCounting Stars 5:30\n"
                                 "Neon Rain 3:58\nWay Home 4:15\nLast Light 3:30\n")
                : QStringLiteral("朝の光 · 架空楽団 4:30\n海沿いの道 3:45\nNight Bus 5:12\n"
                                 "夏の終わり 6:05\nPaper Planes 4:58\n雨上がり 3:20\n"
                                 "Slow River 4:41\n星を数えて 5:30\nNeon Rain 3:58\n帰り道 4:15\n"
                                 "Last Light 3:30\n");
    for (const tavelo::Effect &effect :
         tavelo::placeSongs(tavelo::ScreenId::Entry, entry->texts(), 0,
                            {tavelo::readTracklist(tracklist), {}, {}})) {
        if (const auto *write = std::get_if<tavelo::WriteSlot>(&effect))
            entry->setSlot(write->slot, write->time);
    }
    control<QPushButton>(entry, QStringLiteral("Command2"))->click();
    settle();
    QWidget *sides = program.showSidesWindow();
    control<QLineEdit>(sides, QStringLiteral("SideMinutes"))->setText(QStringLiteral("23"));
    control<QLineEdit>(sides, QStringLiteral("CardTitle"))
        ->setText(english ? QStringLiteral("Summer Drive") : QStringLiteral("夏のドライブ"));
    control<QSpinBox>(sides, QStringLiteral("GapSeconds"))->setValue(4);
    control<QSpinBox>(sides, QStringLiteral("LeaderSeconds"))->setValue(5);
    control<QComboBox>(sides, QStringLiteral("SplitMode"))->setCurrentIndex(1);  // even sides
    control<QComboBox>(sides, QStringLiteral("CardPaper"))->setCurrentIndex(1);  // Letter
    settle();
    save(sides, "sides-window");
    if (argc == 4) {
        const QString card = QString::fromLocal8Bit(argv[3]);
        tavelo::setSaveFileChooser([card](const QString &) { return card; });
        control<QPushButton>(sides, QStringLiteral("SaveCard"))->click();
    }
    if (english)
        saveTheOtherWindows(program, main);
    return 0;
}

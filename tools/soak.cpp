// SPDX-License-Identifier: MIT
// Opens and closes every window through every way there is, over and over,
// and reports the heap in use: memory must stay flat over a long day.
//
//     tavelo_soak CYCLES            print the heap after every 100 cycles
//     tavelo_soak --check CYCLES    fail when the heap after CYCLES cycles
//                                   exceeds the heap after 100 by over 1 MB
//
// One cycle opens each of the eight other windows a few times and closes it
// by its cancel button, Esc, its close box and its own action.

#include "app/appsetup.h"
#include "app/program.h"
#include "dialogs/capacitydialog.h"
#include "entry/entryscreen.h"
#include "gui/errorbox.h"
#include "mainwindow/mainwindow.h"
#include "sides/sideswindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace tavelo;

namespace {

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The ways a window can be closed besides its own action.
void closeSomehow(QWidget *window, int way)
{
    switch (way % 3) {
    case 0:
        button(window, qobject_cast<CapacityDialog *>(window) ? "Command2"
                       : qobject_cast<SidesWindow *>(window)  ? "CloseSides"
                                                              : "Command3")
            ->click();
        break;
    case 1: QTest::keyClick(window, Qt::Key_Escape); break;
    default: window->close(); break;  // the close box
    }
    settle();
}

void cycle(Program &program, int n)
{
    QWidget *main = program.mainWindow();
    // The capacity dialog: three ways to close it, then OK.
    for (int way = 0; way < 3; ++way) {
        button(main, "Total")->click();
        closeSomehow(program.capacityDialog(), way);
    }
    button(main, "Total")->click();
    QWidget *dialog = program.capacityDialog();
    dialog->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("46"));
    QTest::keyClick(dialog, Qt::Key_Return);
    settle();

    // A refused row and the message box, answered at once.
    button(main, "Nyuryoku")->click();
    QWidget *screen = program.screen(ScreenId::Entry);
    screen->findChild<QLineEdit *>(QStringLiteral("Text1(0)"))->setText(QStringLiteral("-1"));
    button(screen, "Command2")->click();
    closeSomehow(screen, n);

    // Each mode: page 1 closed three ways, then handed on to page 2, which is
    // calculated; the correction screen closed, then handed on and calculated.
    for (bool total : {false, true}) {
        const ScreenId pageOne = total ? ScreenId::TotalEntry : ScreenId::Entry;
        const ScreenId pageTwo = pageTwoOf(pageOne);
        const ScreenId correction = total ? ScreenId::TotalCorrection : ScreenId::Correction;
        const char *open = total ? "Goukei" : "Nyuryoku";
        for (int way = 0; way < 3; ++way) {
            button(main, open)->click();
            closeSomehow(program.screen(pageOne), way + n);
        }
        button(main, open)->click();
        button(program.screen(pageOne), "Command1")->click();
        settle();
        button(program.screen(pageTwo), "Command2")->click();
        settle();
        button(main, total ? "Goteisei" : "Teisei")->click();
        closeSomehow(program.screen(correction), n);
        button(main, total ? "Goteisei" : "Teisei")->click();
        button(program.screen(correction), "Command4")->click();
        settle();
        closeSomehow(program.screen(pageTwo), 2);
        button(main, total ? "Goteisei" : "Teisei")->click();
        QTest::keyClick(program.screen(correction), Qt::Key_Return);
        settle();
    }

    // The A面・B面 window over the songs just calculated, by the main
    // window's Ctrl+B (or directly, where the offscreen platform has left
    // the main window inactive), its side length changed; closed three ways.
    for (int way = 0; way < 3; ++way) {
        QTest::keyClick(main, Qt::Key_B, Qt::ControlModifier);
        QWidget *sides = program.showSidesWindow();
        sides->findChild<QLineEdit *>(QStringLiteral("SideMinutes"))->setText(QStringLiteral("23"));
        closeSomehow(sides, way);
    }
}

// Resident size in KB, for the record.
long residentKb()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

long heapInUse()
{
    malloc_trim(0);
    return static_cast<long>(mallinfo2().uordblks);
}

}  // namespace

int main(int argc, char **argv)
{
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    const int cycles = argc >= 2 ? std::atoi(argv[argc - 1]) : 0;
    if (cycles < 100 || (argc == 3 && !check)) {
        std::fprintf(stderr, "usage: tavelo_soak [--check] CYCLES (100 or more)\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    setUpApplication();
    setErrorBoxHandler([](QWidget *, Message) {});
    Program program;
    program.setEndHandler([] {});
    program.start();

    long atHundred = 0;
    for (int n = 1; n <= cycles; ++n) {
        cycle(program, n);
        if (n % 100 == 0) {
            const long heap = heapInUse();
            if (n == 100)
                atHundred = heap;
            if (!check)
                std::printf("%6d cycles: heap %8.1f KB, resident %ld KB\n", n, heap / 1024.0,
                            residentKb());
        }
    }
    const long growth = heapInUse() - atHundred;
    std::printf("heap after 100 cycles %.1f KB, after %d cycles %.1f KB: growth %.1f KB\n",
                atHundred / 1024.0, cycles, (atHundred + growth) / 1024.0, growth / 1024.0);
    return check && growth > 1024 * 1024 ? 1 : 0;
}

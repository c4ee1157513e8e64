// SPDX-License-Identifier: MIT
// The program's start as main() does it, ending right after the main window's
// first paint: the run to count instructions to the first frame with. Like
// main(), it reads no command line when it has no arguments, and it is run
// without any.

#include "app/appsetup.h"
#include "app/windows.h"
#include "firstpaint.h"
#include "mainwindow/taveloform.h"

#include <QApplication>
#include <QPointer>

int main(int, char *argv[])
{
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    tavelo::setUpApplication();
    QPointer<tavelo::TaveloForm> main = tavelo::windows::openMainWindow();
    bench::quitAfterFirstPaint(main);
    const int code = QApplication::exec();
    delete main.data();
    return code;
}

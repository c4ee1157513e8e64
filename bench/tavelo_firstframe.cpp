// SPDX-License-Identifier: MIT
// The program's start as main() does it, ending right after the main window's
// first paint: the run to count instructions to the first frame with. Like
// main(), it reads no command line when it has no arguments, and it is run
// without any.

#include "app/appsetup.h"
#include "app/language.h"
#include "app/program.h"
#include "firstpaint.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>

int main(int, char *argv[])
{
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    tavelo::setUpApplication();
    tavelo::useSystemLanguage();
    tavelo::Program program;
    bench::quitAfterFirstPaint(program.start());
    return QApplication::exec();
}

// SPDX-License-Identifier: MIT
// The program's start as main() does it, ending right after the main window's
// first paint: the run to count instructions to the first frame with.

#include "app/appsetup.h"
#include "app/commandline.h"
#include "app/windows.h"
#include "firstpaint.h"
#include "mainwindow/taveloform.h"

#include <QApplication>
#include <QPointer>

#include <iostream>

int main(int argc, char *argv[])
{
    if (const auto status = tavelo::handleCommandLine(argc, argv, std::cout, std::cerr))
        return *status;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    tavelo::setUpApplication();
    QPointer<tavelo::TaveloForm> main = tavelo::windows::openMainWindow();
    bench::quitAfterFirstPaint(main);
    const int code = QApplication::exec();
    delete main.data();
    return code;
}

// SPDX-License-Identifier: MIT
#include "app/appsetup.h"
#include "app/commandline.h"
#include "app/language.h"
#include "app/platform.h"
#include "app/program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (const auto status = tavelo::handleCommandLine(argc, argv, stdout, stderr))
        return *status;
    tavelo::choosePlatform();
    // Qt sees no argument but the program's name: nothing on the command line
    // changes what the program does.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    tavelo::setUpApplication();
    tavelo::useSystemLanguage();
    tavelo::Program program;
    program.start();
    const int status = QApplication::exec();
    // The process ends within a second of 閉じる, whatever was being read: a
    // reading that did not stop in time (a hung disk) is not waited for.
    if (!program.stopReadings(500)) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

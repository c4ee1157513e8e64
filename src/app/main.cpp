#include "app/appsetup.h"
#include "app/taveloform.h"
#include "app/windows.h"

#include <QApplication>

#include <QPointer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tavelo::setUpApplication();
    QPointer<tavelo::TaveloForm> main = tavelo::windows::mainWindow();
    const int code = QApplication::exec();
    delete main.data();
    return code;
}

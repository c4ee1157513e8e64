// SPDX-License-Identifier: MIT
#include "modules/loader.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace tavelo {

QFunctionPointer moduleFunction(const QString &module, const char *function)
{
    // The running program's own folder, told by the system rather than by a
    // QCoreApplication, which readers running without one do not have. The
    // modules' folder is given relative to it (../lib/tavelo/modules, say),
    // so that nothing of the folder the program was built in is asked.
    const QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (programFolder.isEmpty())
        return nullptr;
    const QString file = QDir(programFolder)
                             .filePath(QStringLiteral(TAVELO_MODULES_FROM_PROGRAM "/") + module +
                                       QStringLiteral(".so"));
    if (!QFileInfo::exists(file))
        return nullptr;
    // A QLibrary only refers to the library: loading the same file again
    // finds it loaded, and it is never unloaded.
    QLibrary library(file);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    return library.resolve(function);
}

}  // namespace tavelo

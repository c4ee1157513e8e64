// SPDX-License-Identifier: MIT
#include "core/modules.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace tavelo {

QFunctionPointer moduleFunction(const QString &module, const char *function)
{
    // The running program's own folder, told by the system rather than by a
    // QCoreApplication, which readers running without one do not have.
    const QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    const QStringList folders{
        QDir(programFolder).filePath(QStringLiteral(TAVELO_MODULES_FROM_PROGRAM)),
        QStringLiteral(TAVELO_MODULES_IN_BUILD),
    };
    for (const QString &folder : folders) {
        const QString file = QDir(folder).filePath(module + QStringLiteral(".so"));
        if (!QFileInfo::exists(file))
            continue;
        // A QLibrary only refers to the library: loading the same file again
        // finds it loaded, and it is never unloaded.
        QLibrary library(file);
        library.setLoadHints(QLibrary::PreventUnloadHint);
        if (const QFunctionPointer found = library.resolve(function))
            return found;
    }
    return nullptr;
}

}  // namespace tavelo

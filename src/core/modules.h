// SPDX-License-Identifier: MIT
#pragma once

#include <QFunctionPointer>
#include <QString>

// Parts of the program that are loaded only when first needed, so that
// starting the program maps none of their libraries: the audio reader with
// TagLib (at the first drop of files) and the printing of the index card
// with Qt's print support (at the first 印刷…).
namespace tavelo {

// A function of a module, loaded the first time it is asked for; null when
// the module or the function cannot be found (then the feature it serves
// reads nothing, and says so). Modules are looked for beside the installed
// program (its library folder, tavelo/), then in the build folder they were
// built in. Safe to call from any thread; a module stays loaded.
QFunctionPointer moduleFunction(const QString &module, const char *function);

}  // namespace tavelo

// SPDX-License-Identifier: MIT
#pragma once

#include <QFunctionPointer>
#include <QString>

// Parts of the program that are loaded only when first needed, so that
// starting the program maps none of their libraries: the audio reader with
// TagLib (at the first drop of files) and the printing of the index card
// with Qt's print support (at the first 印刷…).
//
// Each module has a header of its own beside its sources that describes it
// as a struct: the file's name (`file`), the name of its entry function
// (`entry`) and that function's type (`Entry`), and declares the entry
// function with that type. The module includes the header where it defines
// the function, and the program where it looks the function up, so a
// change of the type on one side only does not compile.
namespace tavelo {

// A function of a module, loaded the first time it is asked for; null when
// the module or the function cannot be found (then the feature it serves
// reads nothing, and says so). Modules are looked for in one place only:
// the library folder of the running program, found from the program's own
// path (in the build tree the programs and the modules are laid out as
// they are installed). Safe to call from any thread; a module stays loaded.
QFunctionPointer moduleFunction(const QString &module, const char *function);

// The entry function of the module that `Module` describes, as the type its
// header declares; null as for moduleFunction.
template <typename Module>
typename Module::Entry *moduleEntry()
{
    return reinterpret_cast<typename Module::Entry *>(
        moduleFunction(QString::fromLatin1(Module::file), Module::entry));
}

}  // namespace tavelo

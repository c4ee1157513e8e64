// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace tavelo {

// The languages the program speaks. Japanese is the language its texts are
// written in; English comes from the translation built into the program.
enum class Language { Japanese, English };

// The language for the user's interface languages, most wanted first (as
// QLocale::uiLanguages gives them): the first of them that is Japanese or
// English decides, and the C and POSIX locales mean Japanese, so that
// scripts and tests without a locale see the program as it always was. Any
// other language (German, French, ...) is read in English, the one of the
// two that more people read; so is a list that names no language at all.
Language languageFor(const QStringList &uiLanguages);

// Makes the program speak `language` from here on: for English the
// translation is installed, for Japanese it is removed (Japanese needs none
// and loads nothing). Call after the QApplication exists and before any
// window is made. False when the translation could not be loaded.
bool useLanguage(Language language);

// useLanguage for the desktop's languages (QLocale::system().uiLanguages(),
// which follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG). Nothing is kept
// between runs.
void useSystemLanguage();

}  // namespace tavelo

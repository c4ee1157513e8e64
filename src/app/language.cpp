// SPDX-License-Identifier: MIT
#include "app/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace tavelo {

Language languageFor(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        // "ja", "ja-JP", "ja_JP.UTF-8"; "C" and "POSIX", with or without a
        // code set.
        const QString language = name.section(QLatin1Char('.'), 0, 0)
                                     .section(QLatin1Char('@'), 0, 0)
                                     .section(QLatin1Char('-'), 0, 0)
                                     .section(QLatin1Char('_'), 0, 0)
                                     .toLower();
        if (language == QLatin1String("ja") || language == QLatin1String("c") ||
            language == QLatin1String("posix"))
            return Language::Japanese;
        if (language == QLatin1String("en"))
            return Language::English;
    }
    return Language::English;
}

namespace {

std::unique_ptr<QTranslator> &installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

bool useLanguage(Language language)
{
    std::unique_ptr<QTranslator> &current = installed();
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    if (language == Language::Japanese)
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/tavelo_en.qm")))
        return false;
    QCoreApplication::installTranslator(translator.get());
    current = std::move(translator);
    return true;
}

void useSystemLanguage() { useLanguage(languageFor(QLocale::system().uiLanguages())); }

}  // namespace tavelo

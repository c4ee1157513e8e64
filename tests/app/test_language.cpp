// SPDX-License-Identifier: MIT
// Which language the program speaks for the desktop's languages, and that
// choosing it installs the translation or leaves the program's own texts.

#include "app/language.h"
#include "core/messages.h"

#include <QCoreApplication>
#include <QTest>

using tavelo::Language;

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void languageOfTheDesktop_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("english");
        const auto row = [](const char *name, const char *languages, bool english) {
            QTest::newRow(name) << QString::fromLatin1(languages).split(QLatin1Char(','),
                                                                        Qt::SkipEmptyParts)
                                << english;
        };
        // clang-format off
        row("C locale",                    "C",                       false);
        row("POSIX",                       "POSIX",                   false);
        row("C.UTF-8 as a name",           "C.UTF-8",                 false);
        row("Japanese",                    "ja-JP,ja-Jpan-JP,ja",     false);
        row("Japanese with a code set",    "ja_JP.UTF-8",             false);
        row("Japanese in capitals",        "JA-JP",                   false);
        row("English",                     "en-US,en-Latn-US,en",     true);
        row("British English",             "en-GB",                   true);
        row("English before Japanese",     "en,ja",                   true);
        row("Japanese before English",     "ja,en",                   false);
        row("German only",                 "de-DE,de",                true);
        row("German, then Japanese",       "de,de-DE,ja,ja-JP",       false);
        row("German, English, Japanese",   "de,en,ja",                true);
        row("Javanese is not Japanese",    "jv-ID",                   true);
        row("no language at all",          "",                        true);
        // clang-format on
    }

    void languageOfTheDesktop()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, english);
        QCOMPARE(tavelo::languageFor(uiLanguages) == Language::English, english);
    }

    void choosingTheLanguageSwitchesTheTexts_data()
    {
        QTest::addColumn<QList<int>>("steps");  // 1 English, 0 Japanese, in turn
        QTest::addColumn<QString>("title");
        QTest::newRow("Japanese needs nothing") << QList<int>{0} << QStringLiteral("エラー");
        QTest::newRow("English") << QList<int>{1} << QStringLiteral("Error");
        QTest::newRow("English twice") << QList<int>{1, 1} << QStringLiteral("Error");
        QTest::newRow("back to Japanese") << QList<int>{1, 0} << QStringLiteral("エラー");
    }

    void choosingTheLanguageSwitchesTheTexts()
    {
        QFETCH(QList<int>, steps);
        QFETCH(QString, title);
        for (const int english : steps)
            QVERIFY(tavelo::useLanguage(english ? Language::English : Language::Japanese));
        QCOMPARE(tavelo::errorTitle(), title);
        QVERIFY(tavelo::useLanguage(Language::Japanese));
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "test_language.moc"

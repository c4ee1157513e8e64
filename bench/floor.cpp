// SPDX-License-Identifier: MIT
// The floor: the least a Qt Widgets program does to show what the main window
// shows at its simplest, one fixed window of 479 x 282 logical pixels with
// one Japanese label, in the face the program's screens are laid out for at
// 9 points, resolved the way the program resolves it: "ＭＳ Ｐゴシック" mapped
// to IPA P Gothic by a substitution, with a sans face where a character is
// missing. What the program does beyond this is its own cost.
//
// Built twice: `floor` runs until its window is closed; `floor_firstframe`
// ends right after its first paint, for counting instructions.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#ifdef BENCH_QUIT_AFTER_FIRST_PAINT
#include "firstpaint.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString face = QStringLiteral("ＭＳ Ｐゴシック");
    QFont::insertSubstitution(face, QStringLiteral("IPAPGothic"));
    QFont font(face, 9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("タベロサポータ"));
    window.setFixedSize(479, 282);
    QLabel label(QStringLiteral("テープの片面の録音時間は"), &window);
    label.setGeometry(120, 24, 145, 17);
    window.show();
#ifdef BENCH_QUIT_AFTER_FIRST_PAINT
    bench::quitAfterFirstPaint(&window);
#endif
    return QApplication::exec();
}

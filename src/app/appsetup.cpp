// SPDX-License-Identifier: MIT
#include "app/appsetup.h"

#include "gui/formwindow.h"
#include "gui/pictures.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include <cstdio>

namespace tavelo {
namespace {

// Screen readers announce the main window as a frame and the others as
// dialogs, instead of the plain "filler" of an ordinary widget.
QAccessibleInterface *windowInterface(const QString &, QObject *object)
{
    auto *window = qobject_cast<FormWindow *>(object);
    if (!window)
        return nullptr;
    return new QAccessibleWidget(window, window->isMainWindow() ? QAccessible::Window
                                                                : QAccessible::Dialog);
}

// The faces that stand in for the one the screens are laid out for: IPA P
// Gothic has nearly its metrics, Noto Sans CJK JP is the other common
// Japanese face on Debian, then any other installed face that covers
// Japanese. The list ends with a plain sans face for digits and Latin text.
QStringList standInFaces()
{
    QStringList faces{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    if (japanese.isEmpty()) {
        std::fputs("tavelo: no font with Japanese characters is installed; install the package "
                   "fonts-ipafont-gothic (or fonts-noto-cjk) to read the windows\n",
                   stderr);
    }
    for (const QString &family : japanese) {
        if (!faces.contains(family) && !QFontDatabase::isFixedPitch(family))
            faces << family;
    }
    faces << QStringLiteral("DejaVu Sans") << QStringLiteral("sans-serif");
    return faces;
}

}  // namespace

void setUpApplication()
{
    QFont::insertSubstitutions(kScreenFace, standInFaces());
    QApplication::setFont(screenFont(false));
    QApplication::setWindowIcon(appIcon());
    QApplication::setApplicationName(QStringLiteral("tavelo"));
    QApplication::setApplicationVersion(QStringLiteral(TAVELO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tavelo.Tavelo"));
    QAccessible::installFactory(windowInterface);
}

}  // namespace tavelo

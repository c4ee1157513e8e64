#include "app/appsetup.h"

#include "app/appicon.h"

#include <QApplication>
#include <QFont>

namespace tavelo {

void setUpApplication()
{
    // The screens are laid out for this proportional Japanese face; IPA P
    // Gothic has nearly the same metrics, so it stands in where it is missing.
    const QString face = QStringLiteral("ＭＳ Ｐゴシック");
    QFont::insertSubstitutions(face, {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                                      QStringLiteral("Noto Sans CJK JP")});
    QFont font(face);
    font.setPointSize(9);
    QApplication::setFont(font);
    QApplication::setWindowIcon(appIcon());
    QApplication::setApplicationName(QStringLiteral("tavelo"));
}

}  // namespace tavelo

// SPDX-License-Identifier: MIT
#include "plan/paper.h"

#include <algorithm>
#include <iterator>

namespace tavelo {

QSizeF paperSize(Paper paper)
{
    return paper == Paper::Letter ? QSizeF(215.9, 279.4) : QSizeF(210.0, 297.0);
}

Paper paperOfLocale(QLocale::Territory territory, QLocale::MeasurementSystem measurement)
{
    // CLDR's supplemental data, paperSize "US-Letter".
    static constexpr QLocale::Territory letter[] = {
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,      QLocale::Belize,
        QLocale::Chile,        QLocale::Colombia,  QLocale::CostaRica,   QLocale::Guatemala,
        QLocale::Nicaragua,    QLocale::Panama,    QLocale::Philippines, QLocale::PuertoRico,
        QLocale::ElSalvador,   QLocale::Venezuela,
    };
    if (std::find(std::begin(letter), std::end(letter), territory) != std::end(letter))
        return Paper::Letter;
    // A locale of no country (such as "C") goes by its units.
    if (territory == QLocale::AnyTerritory && measurement == QLocale::ImperialUSSystem)
        return Paper::Letter;
    return Paper::A4;
}

Paper systemPaper()
{
    const QLocale locale = QLocale::system();
    return paperOfLocale(locale.territory(), locale.measurementSystem());
}

}  // namespace tavelo

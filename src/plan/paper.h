// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QSizeF>

// The paper the index card is printed on.
namespace tavelo {

enum class Paper { A4, Letter };

// Width and height in millimetres, upright: A4 210 × 297, Letter 215.9 ×
// 279.4 (8.5 × 11 in).
QSizeF paperSize(Paper paper);

// The paper a locale's users have in their printers: Letter in the United
// States and the countries that took its paper sizes (the Common Locale
// Data Repository's list: most of the Americas and the Philippines), and
// for a locale of no country
// that measures in US units; A4 everywhere else (Liberia and Myanmar, which
// measure in US units, print on A4).
Paper paperOfLocale(QLocale::Territory territory, QLocale::MeasurementSystem measurement);

// The paper of the user's own locale.
Paper systemPaper();

}  // namespace tavelo

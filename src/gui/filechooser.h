// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace tavelo {

// Asks for the name of a file to write, through the platform's file dialog;
// empty when the user cancels.
QString chooseSaveFile(QWidget *parent, const QString &title, const QString &suggestedName,
                       const QString &filter);

// Tests answer in place of the dialog; an empty handler brings the dialog
// back. Returns the old one.
using SaveFileChooser = std::function<QString(const QString &suggestedName)>;
SaveFileChooser setSaveFileChooser(SaveFileChooser chooser);

// Asks for one line of text in a small modal box; no value when the user
// cancels. Tests answer in place of the box with setLineAsker.
std::optional<QString> askLine(QWidget *parent, const QString &title, const QString &label,
                               const QString &text);
using LineAsker = std::function<std::optional<QString>(const QString &label, const QString &text)>;
LineAsker setLineAsker(LineAsker asker);

}  // namespace tavelo

// SPDX-License-Identifier: MIT
#include "gui/filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>

#include <utility>

namespace tavelo {
namespace {

SaveFileChooser &chooser()
{
    static SaveFileChooser current;
    return current;
}

LineAsker &asker()
{
    static LineAsker current;
    return current;
}

}  // namespace

QString chooseSaveFile(QWidget *parent, const QString &title, const QString &suggestedName,
                       const QString &filter)
{
    if (chooser())
        return chooser()(suggestedName);
    return QFileDialog::getSaveFileName(parent, title, QDir::home().filePath(suggestedName),
                                        filter);
}

SaveFileChooser setSaveFileChooser(SaveFileChooser newChooser)
{
    return std::exchange(chooser(), std::move(newChooser));
}

std::optional<QString> askLine(QWidget *parent, const QString &title, const QString &label,
                               const QString &text)
{
    if (asker())
        return asker()(label, text);
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    return ok ? std::optional<QString>(answer) : std::nullopt;
}

LineAsker setLineAsker(LineAsker newAsker) { return std::exchange(asker(), std::move(newAsker)); }

}  // namespace tavelo

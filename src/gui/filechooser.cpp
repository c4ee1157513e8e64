// SPDX-License-Identifier: MIT
#include "gui/filechooser.h"

#include <QDir>
#include <QFileDialog>

#include <utility>

namespace tavelo {
namespace {

SaveFileChooser &chooser()
{
    static SaveFileChooser current;
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

}  // namespace tavelo

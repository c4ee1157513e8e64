// SPDX-License-Identifier: MIT
#include "gui/note.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace tavelo {
namespace {

constexpr int kShownMilliseconds = 10000;
constexpr int kWidestNote = 320;

class NoteWindow : public QLabel {
public:
    explicit NoteWindow(QWidget *owner)
        : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    {
        setObjectName(QStringLiteral("Note"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setMargin(4);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setAutoFillBackground(true);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
    }

    void show(QPoint globalPos, const QString &text)
    {
        setText(text);
        setMaximumWidth(kWidestNote);
        adjustSize();
        // Kept on the screen the place is on.
        QRect place(globalPos, size());
        if (const QScreen *screen = QGuiApplication::screenAt(globalPos)) {
            const QRect room = screen->availableGeometry();
            place.moveRight(std::min(place.right(), room.right()));
            place.moveBottom(std::min(place.bottom(), room.bottom()));
        }
        move(place.topLeft());
        QLabel::show();
        raise();
        timer_.start(kShownMilliseconds);
    }

protected:
    void mousePressEvent(QMouseEvent *) override { hide(); }

private:
    QTimer timer_;
};

}  // namespace

void showNote(QWidget *owner, QPoint globalPos, const QString &text)
{
    auto *note = owner->findChild<NoteWindow *>(QStringLiteral("Note"), Qt::FindDirectChildrenOnly);
    if (!note)
        note = new NoteWindow(owner);
    note->show(globalPos, text);
}

}  // namespace tavelo

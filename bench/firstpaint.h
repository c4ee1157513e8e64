// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace bench {

// Ends the program once `window` has been painted for the first time. The
// quit waits in the event queue behind the paint, so the whole first frame
// (the window, its controls and the flush to the screen) is done before the
// event loop returns. Call it right after the window is shown: the paint
// comes from the event loop, not from show().
inline void quitAfterFirstPaint(QWidget *window)
{
    struct Watch : QObject {
        using QObject::QObject;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
            }
            return false;
        }
    };
    window->installEventFilter(new Watch(window));
    // A window that is never painted must not hang a profiling run.
    QTimer::singleShot(10000, QCoreApplication::instance(), [] {
        std::fputs("the window was not painted within 10 s\n", stderr);
        std::exit(1);
    });
}

}  // namespace bench

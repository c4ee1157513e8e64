// SPDX-License-Identifier: MIT
#include "gui/formwindow.h"

#include "gui/pictures.h"
#include "gui/x11hints.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <limits>

namespace tavelo {

QFont screenFont(bool bold)
{
    QFont font(kScreenFace, 9, bold ? QFont::Bold : QFont::Normal);
    // Where no stand-in face has a character, take a sans face, never serif.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

namespace {

Qt::WindowFlags flagsFor(FormWindow::Frame frame)
{
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (frame == FormWindow::Frame::Main)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

}  // namespace

FormWindow::FormWindow(const QString &name, const QString &caption, QSize clientSize, Frame frame)
    : QWidget(nullptr, flagsFor(frame)), frame_(frame)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(clientSize);
}

void FormWindow::setDefaultButton(QPushButton *button)
{
    defaultButton_ = button;
    button->setDefault(true);
}

void FormWindow::setCancelButton(QPushButton *button) { cancelButton_ = button; }

void FormWindow::setBackgroundColour(const QColor &colour) { background_ = colour; }

void FormWindow::paintEvent(QPaintEvent *)
{
    // Painted rather than set in the palette: a palette of its own would
    // pass to every control of the window, and the style would cache fresh
    // pictures of its buttons and boxes for each window ever opened.
    if (background_.isValid())
        QPainter(this).fillRect(rect(), background_);
}

QLabel *FormWindow::addLabel(const QString &name, const QString &text, const QRect &geometry,
                             QLabel *label)
{
    if (!label)
        label = new QLabel(this);
    label->setText(text);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit *FormWindow::addLineEdit(const QString &name, const QRect &geometry)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setTextMargins(0, 0, 0, 0);
    // A box holds its text exactly as typed or pasted, however long: the
    // row check reads all of it rather than a silently cut copy.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->installEventFilter(this);
    return edit;
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A drag of files or links is never typed into a box as its URL text
    // (a window that takes such drags handles them before this).
    const QEvent::Type type = event->type();
    if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
        qobject_cast<QLineEdit *>(watched)) {
        auto *drag = static_cast<QDropEvent *>(event);
        if (drag->mimeData() && drag->mimeData()->hasUrls()) {
            drag->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QPushButton *FormWindow::addButton(const QString &name, const QString &caption,
                                   const QRect &geometry)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // Enter clicks the button that has the focus, otherwise the default one.
        if (auto *focused = qobject_cast<QPushButton *>(focusWidget());
            focused && focused->isEnabled())
            focused->click();
        else if (defaultButton_ && defaultButton_->isEnabled() && defaultButton_->isVisible())
            defaultButton_->click();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        if (cancelButton_ && cancelButton_->isEnabled())
            cancelButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormWindow::showEvent(QShowEvent *event)
{
    if (!placed_) {
        placed_ = true;
        // The window exists natively now but is not mapped yet: the moment to
        // ask the window manager to keep it off the taskbar.
        if (frame_ == Frame::Tool)
            keepOffTaskbar(this);
        // Placed once, frame included, where the frame is known beforehand:
        // a window that moved after it appeared would twitch before the
        // user's eyes and move its boxes from under a quick click.
        if (const std::optional<QMargins> frame = deviceFrameBeforeMap(this)) {
            placeCentred(*frame);
        } else {
            centre();
            if (QGuiApplication::platformName() == QLatin1String("xcb"))
                centreWithFrame(25);
        }
    }
    QWidget::showEvent(event);
}

QRect centredPlace(QSize size, const QMargins &deviceFrame, qreal ratio, const QRect &area)
{
    const QMargins frame(qRound(deviceFrame.left() / ratio), qRound(deviceFrame.top() / ratio),
                         qRound(deviceFrame.right() / ratio), qRound(deviceFrame.bottom() / ratio));
    QRect outer(QPoint(), size.grownBy(frame));
    outer.moveCenter(area.center());
    // The window itself, inside the frame: the window manager puts the frame
    // around it where it stands.
    return {outer.topLeft() + QPoint(frame.left(), frame.top()), size};
}

void FormWindow::placeCentred(const QMargins &deviceFrame)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(
            centredPlace(size(), deviceFrame, devicePixelRatioF(), screen->availableGeometry()));
}

void FormWindow::centreWithFrame(int wait)
{
    // Where nothing told the frame beforehand, the window manager frames a
    // new window a moment after it is shown; the window is centred again
    // once its frame is known, or left as it is when no frame comes within a
    // second or two.
    if (frameGeometry().size() != size()) {
        centre();
    } else if (wait < 1600) {
        QTimer::singleShot(wait, this, [this, wait] { centreWithFrame(wait * 2); });
    }
}

void FormWindow::centre()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void FormWindow::focusBox(QWidget *box)
{
    raise();
    activateWindow();
    box->setFocus(Qt::OtherFocusReason);
}

}  // namespace tavelo

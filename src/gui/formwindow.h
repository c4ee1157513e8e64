// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavelo {

// Window layouts are written in twips; 15 twips make one logical pixel.
constexpr int fromTwips(int twips) { return twips / 15; }
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height)};
}

// The face every window is laid out for; the program maps it to the closest
// installed Japanese face at start.
inline const QString kScreenFace = QStringLiteral("ＭＳ Ｐゴシック");

// That face at 9 points: bold for row labels and notes, plain elsewhere.
QFont screenFont(bool bold);

// Where a window of `size` goes so that it stands, with the window manager's
// frame around it, in the middle of `area`. The window and the area count
// logical pixels; the frame comes in the device pixels the window system
// counts, `ratio` of them to a logical pixel.
QRect centredPlace(QSize size, const QMargins &deviceFrame, qreal ratio, const QRect &area);

// Base of all eight windows: a fixed-size frame centred on the screen when it
// first shows, Enter for the focused button (otherwise the default one), Esc
// for the cancel button.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    // Every window is a top-level window of its own that no other window
    // owns, so a click on any of them brings it to the front.
    enum class Frame {
        Main,  // close and minimise boxes, its own taskbar entry
        Tool,  // close box only, kept off the taskbar
    };

    FormWindow(const QString &name, const QString &caption, QSize clientSize, Frame frame);

    bool isMainWindow() const { return frame_ == Frame::Main; }

    // Brings the window to the front and gives it the keyboard focus, with
    // the focus inside it on `box`.
    void focusBox(QWidget *box);

signals:
    // The window is closing and will be deleted.
    void closed();

protected:
    void setDefaultButton(QPushButton *button);
    void setCancelButton(QPushButton *button);
    void setBackgroundColour(const QColor &colour);

    // Places a label; `label` is a ready-made one of a special kind, or null
    // for a plain QLabel.
    QLabel *addLabel(const QString &name, const QString &text, const QRect &geometry,
                     QLabel *label = nullptr);
    QLineEdit *addLineEdit(const QString &name, const QRect &geometry);
    QPushButton *addButton(const QString &name, const QString &caption, const QRect &geometry);

    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void centre();
    void centreWithFrame(int wait);
    void placeCentred(const QMargins &deviceFrame);

    QColor background_;
    QPushButton *defaultButton_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
    Frame frame_;
    bool placed_ = false;
};

}  // namespace tavelo

// SPDX-License-Identifier: MIT
#pragma once

#include "core/model.h"
#include "entry/screentable.h"
#include "gui/formwindow.h"

#include <array>

class QDropEvent;
class QLineEdit;
class QPushButton;

namespace tavelo {

// One song-time entry screen, laid out from its ScreenDescription. It holds
// thirty texts of minute and second texts: fifteen are shown as rows of
// boxes, and on page-2 and correction screens the other fifteen are carry
// texts that hold the other page's songs, never shown. It checks and counts
// nothing itself: its buttons ask for their action, and キャンセル closes it.
class EntryScreen : public FormWindow {
    Q_OBJECT
public:
    explicit EntryScreen(ScreenId id);

    ScreenId id() const { return description_.id; }

    // What is typed on the screen and held in its carry texts.
    Slots texts() const;
    void setSlot(int slot, const SongTime &time);

    // The focus into a box of a slot; for a carry slot, which has no box,
    // onto the button last pressed.
    void focusSlot(int slot, Field field);

    // A short note beside the place of the last drop or paste; it goes by
    // itself and blocks nothing.
    void showNote(const QString &text);

    // The slot of a row under a point of the window, or -1 outside the rows.
    int slotAt(QPoint pos) const;

signals:
    void actionRequested(tavelo::Action action);
    // Files or folders dropped on the row of `slot`, or outside the rows (-1).
    void filesDropped(const QStringList &paths, int slot);
    // 時間を貼り付け with the clipboard's text, at the focused row (-1: none).
    void tracklistPasted(const QString &text, int slot);
    // CDから読み込む from the menu of the row of `slot`.
    void cdRequested(int slot);
    // An audio CD or its tracks dropped as the desktop offers them, as
    // cdda:// URLs, on the row of `slot` or outside the rows (-1).
    void discDropped(const QStringList &urls, int slot);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildRows();
    void buildLabels();
    void buildButtons();
    void offerPaste(QLineEdit *box, int slot);
    void setTitle(int slot, const QString &title);
    void pasteTracklist(int slot);
    int focusedSlot() const;
    // Takes a drag that carries local files, or else an audio CD's URLs;
    // false for any other drag.
    bool takeFileDrag(QDropEvent *drag, int slot, QPoint globalPos);

    const ScreenDescription &description_;
    std::array<QLineEdit *, kSlotCount> minuteBoxes_{};
    std::array<QLineEdit *, kSlotCount> secondBoxes_{};
    Slots carry_;
    std::array<QString, kSlotCount> titles_;  // of the rows shown
    QPushButton *lastPressed_ = nullptr;
    QPoint notePlace_;  // global position of the last drop or paste
};

}  // namespace tavelo

// SPDX-License-Identifier: MIT
#pragma once

#include "core/model.h"
#include "entry/screentable.h"
#include "gui/formwindow.h"

#include <array>

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

signals:
    void actionRequested(tavelo::Action action);

private:
    void buildRows();
    void buildLabels();
    void buildButtons();

    const ScreenDescription &description_;
    std::array<QLineEdit *, kSlotCount> minuteBoxes_{};
    std::array<QLineEdit *, kSlotCount> secondBoxes_{};
    Slots carry_;
    QPushButton *lastPressed_ = nullptr;
};

}  // namespace tavelo

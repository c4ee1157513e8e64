#pragma once

#include "app/formwindow.h"
#include "entry/screentable.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace tavelo {

// One song-time entry screen, laid out from its ScreenDescription. It holds thirty
// slots of minute and second texts; fifteen are shown as rows of boxes, and on
// page-2 and correction screens the other fifteen are carry slots that hold
// the other page's songs as plain texts, never shown.
class EntryScreen : public FormWindow {
    Q_OBJECT
public:
    explicit EntryScreen(const ScreenDescription &desc);

    const ScreenDescription &description() const { return description_; }

    QString minuteText(int slot) const;
    QString secondText(int slot) const;
    void setMinuteText(int slot, const QString &text);
    void setSecondText(int slot, const QString &text);
    void setSlot(int slot, const QString &minutes, const QString &seconds);
    // A row is blank when either of its texts is empty; the blank rule then
    // writes "0" as both texts.
    bool isBlankRow(int slot) const;
    void setZeroRow(int slot);

    // The boxes of a visible row; nullptr for a carry slot.
    QLineEdit *minuteBox(int slot) const { return minuteBoxes_.at(slot); }
    QLineEdit *secondBox(int slot) const { return secondBoxes_.at(slot); }

    QPushButton *button(const char *name) const;

private:
    void buildRows();
    void buildLabels();
    void buildButtons();
    void onButton(const char *name);

    const ScreenDescription &description_;
    std::array<QLineEdit *, kSlotCount> minuteBoxes_{};
    std::array<QLineEdit *, kSlotCount> secondBoxes_{};
    std::array<QString, kSlotCount> carryMinutes_;
    std::array<QString, kSlotCount> carrySeconds_;
};

}  // namespace tavelo

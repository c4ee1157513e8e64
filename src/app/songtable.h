#pragma once

#include <QString>

#include <array>

namespace tavelo {

// The thirty song times last stored by a calculation, as minute and second
// texts exactly as they were written. Slot n holds song n+1. Never shown.
class SongTable {
public:
    static constexpr int kSlots = 30;

    const QString &minutes(int slot) const { return minutes_.at(slot); }
    const QString &seconds(int slot) const { return seconds_.at(slot); }
    void set(int slot, const QString &minutes, const QString &seconds);
    // Stores 0:00, as a blank row and an unused slot are stored.
    void setZero(int slot);

private:
    std::array<QString, kSlots> minutes_;
    std::array<QString, kSlots> seconds_;
};

}  // namespace tavelo

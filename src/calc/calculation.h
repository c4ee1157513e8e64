#pragma once

class QPushButton;

namespace tavelo {

class EntryScreen;

// 残り時間を出す and 合計時間を出す: stores the screen's rows in the song table,
// checks and lists every row in the main window, and shows the remaining tape
// time (remaining-mode screens) or the total of the times (total-mode
// screens). The first failing row stops everything after it; what was done
// before it stays done.
void calculate(EntryScreen &screen, QPushButton *pressed);

}  // namespace tavelo

#pragma once

class QPushButton;

namespace tavelo {

class EntryScreen;

// 続けて入力: carries rows 1-15 of a page-1 screen into the carry slots of the
// page-2 screen of the same mode, checking each row, and closes the page-1
// screen when every row has passed.
void continueOnPageTwo(EntryScreen &source, QPushButton *pressed);

// 次画面を訂正: copies all thirty slots of a correction screen into the page-2
// screen of the same mode, checking each row, and closes the correction screen
// when every row has passed.
void correctOnPageTwo(EntryScreen &source, QPushButton *pressed);

}  // namespace tavelo

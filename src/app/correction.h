#pragma once

namespace tavelo {

enum class ScreenId;

// 訂正 and 合計の訂正: shows the correction screen and fills all thirty slots
// from the song table, leaving a slot empty when both its minutes and its
// seconds read as exactly 0.
void openCorrectionScreen(ScreenId id);

}  // namespace tavelo

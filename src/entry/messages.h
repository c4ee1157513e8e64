#pragma once

// Every text the program shows in its error box.
namespace tavelo::message {

inline constexpr const char *kTitle = "エラー";
inline constexpr const char *kBadMinutes = "分の入力が間違ってます。";
inline constexpr const char *kBadSeconds = "秒の入力が間違ってます。";
inline constexpr const char *kOverCapacity = "録音時間の合計が録音可能時間を超えました";

// Refusals for what the arithmetic cannot hold.
inline constexpr const char *kMinutesTooLarge = "分の入力が大きすぎます。";
inline constexpr const char *kBadCapacity = "録音可能時間の入力が間違ってます。";
inline constexpr const char *kCapacityTooLarge = "録音可能時間が大きすぎます。";
inline constexpr const char *kRemainingTooLarge = "残り時間が546分59秒を超えるため表示できません。";
inline constexpr const char *kTotalTooLarge = "合計時間が546分59秒を超えるため表示できません。";

}  // namespace tavelo::message

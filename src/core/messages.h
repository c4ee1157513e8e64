// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

// Every text the program shows in its error box, in the language the
// program speaks (Japanese unless a translation is installed).
namespace tavelo {

enum class Message {
    BadMinutes,    // a row's minutes, or the capacity dialog's minutes
    BadSeconds,    // a row's seconds
    OverCapacity,  // the songs do not fit on the tape side
    // Refusals for what the arithmetic cannot hold.
    MinutesTooLarge,
    BadCapacity,
    CapacityTooLarge,
    RemainingTooLarge,
    TotalTooLarge,
    // The song list could not be written to the file the user chose.
    SaveFailed,
    // The index card could not be written, or not be printed.
    CardSaveFailed,
    PrintFailed,
};

inline constexpr Message kAllMessages[] = {
    Message::BadMinutes,        Message::BadSeconds,    Message::OverCapacity,
    Message::MinutesTooLarge,   Message::BadCapacity,   Message::CapacityTooLarge,
    Message::RemainingTooLarge, Message::TotalTooLarge, Message::SaveFailed,
    Message::CardSaveFailed,    Message::PrintFailed,
};

// The title of the error box.
inline QString errorTitle() { return QCoreApplication::translate("Messages", "エラー"); }

inline QString messageText(Message message)
{
    switch (message) {
    case Message::BadMinutes:
        return QCoreApplication::translate("Messages", "分の入力が間違ってます。");
    case Message::BadSeconds:
        return QCoreApplication::translate("Messages", "秒の入力が間違ってます。");
    case Message::OverCapacity:
        return QCoreApplication::translate("Messages", "録音時間の合計が録音可能時間を超えました");
    case Message::MinutesTooLarge:
        return QCoreApplication::translate("Messages", "分の入力が大きすぎます。");
    case Message::BadCapacity:
        return QCoreApplication::translate("Messages", "録音可能時間の入力が間違ってます。");
    case Message::CapacityTooLarge:
        return QCoreApplication::translate("Messages", "録音可能時間が大きすぎます。");
    case Message::RemainingTooLarge:
        return QCoreApplication::translate("Messages",
                                           "残り時間が546分59秒を超えるため表示できません。");
    case Message::TotalTooLarge:
        return QCoreApplication::translate("Messages",
                                           "合計時間が546分59秒を超えるため表示できません。");
    case Message::SaveFailed:
        return QCoreApplication::translate("Messages", "一覧を保存できませんでした。");
    case Message::CardSaveFailed:
        return QCoreApplication::translate("Messages",
                                           "インデックスカードを保存できませんでした。");
    case Message::PrintFailed:
        return QCoreApplication::translate("Messages",
                                           "インデックスカードを印刷できませんでした。");
    }
    return {};
}

}  // namespace tavelo

// SPDX-License-Identifier: MIT
#include "core/model.h"

namespace tavelo {

ScreenRole roleOf(ScreenId id)
{
    switch (id) {
    case ScreenId::Entry:
    case ScreenId::TotalEntry: return ScreenRole::PageOne;
    case ScreenId::Page2:
    case ScreenId::TotalPage2: return ScreenRole::PageTwo;
    case ScreenId::Correction:
    case ScreenId::TotalCorrection: break;
    }
    return ScreenRole::Correction;
}

bool isTotalScreen(ScreenId id)
{
    return id == ScreenId::TotalEntry || id == ScreenId::TotalPage2 ||
           id == ScreenId::TotalCorrection;
}

ScreenId pageTwoOf(ScreenId id)
{
    return isTotalScreen(id) ? ScreenId::TotalPage2 : ScreenId::Page2;
}

void takeCapacity(MainState &state, const QString &typed)
{
    state.capacity = typed;
    state.entryEnabled = true;
    state.totalMode = false;
    state.totalCorrectionEnabled = false;
    state.list.clear();
    state.resultMinutes.clear();
    state.resultSeconds.clear();
}

void enterRemainingMode(MainState &state, bool fromCorrectionScreen)
{
    // The result line keeps its caption and the capacity stays in view, also
    // after a total was calculated while this screen stood open.
    if (state.totalMode) {
        state.resultMinutes.clear();
        state.resultSeconds.clear();
    }
    state.totalMode = false;
    state.correctionEnabled = true;
    if (fromCorrectionScreen)
        state.totalCorrectionEnabled = false;
}

void enterTotalMode(MainState &state)
{
    if (!state.totalMode) {
        state.resultMinutes.clear();
        state.resultSeconds.clear();
    }
    state.totalMode = true;
    state.totalCorrectionEnabled = true;
    state.entryEnabled = false;
    state.correctionEnabled = false;
}

}  // namespace tavelo

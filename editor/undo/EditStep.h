#pragma once
// The kinds of change the user can undo, each with the name the undo and redo commands show.

namespace tavelo {

enum class EEditStep {
    kPlace,
    kMove,
    kAlign,
    kDelete,
    kProperty,
    kNewScreen,
    kCopyScreen,
    kDeleteScreen,
    kSystemSettings,
    kAlarmList,
    kLinkSettings,
    kPort,
    kDisplayType,
    kCut,
    kPaste,
};

const char16_t* EditStepName(EEditStep step);

}  // namespace tavelo

#pragma once
// The rules of the new-screen, copy-screen, delete-screen commands and of the screen-property
// page, apart from their dialogs: checks, proposals, and the changes they make to a project.

#include <cstdint>
#include <optional>
#include <string>

namespace tavelo {

class CScreen;
class CTaveloDoc;

// The number check of the new-screen and copy-screen dialogs: the message to show, or empty
// when the number may be used.
std::u16string CheckScreenNumber(const CTaveloDoc& doc, std::int32_t number);

// What the new-screen dialog opens with: the number after the current screen (1 without one,
// the current one itself at the int32 limit) and the description naming it.
struct SNewScreenProposal {
    std::int32_t m_nNumber;
    std::u16string m_strDescription;
};
SNewScreenProposal ProposeNewScreen(std::optional<std::int32_t> currentScreen);
// The copy dialog proposes its target the same way.
std::int32_t ProposeScreenNumber(std::optional<std::int32_t> currentScreen);

// Adds a checked new screen; it becomes the current one.
CScreen& DoNewScreen(CTaveloDoc& doc, std::int32_t number, std::u16string description);
// Copies a screen to a checked target, which becomes the current one.
CScreen& DoCopyScreen(CTaveloDoc& doc, std::int32_t source, std::int32_t target);
// Deletes the current screen with its elements; a project left without screens gets a fresh
// screen 1. Returns the screen to make current, the first one.
std::int32_t DoDeleteScreen(CTaveloDoc& doc, std::int32_t currentScreen);

// The screen-property page as the user left its fields (digits only).
struct SScreenPropertyFields {
    std::u16string m_strDescription;
    std::u16string m_strUpScreen;
    std::u16string m_strDownScreen;
};
enum class EScreenPropertiesOutcome {
    Postponed,  // a target field is empty: the user is still typing
    Applied,    // the screen took the fields and the project is marked modified
    Refused,    // a target is out of range: show the message, the screen is unchanged
};
struct SScreenPropertiesResult {
    EScreenPropertiesOutcome m_outcome;
    std::u16string m_strMessage;
};
SScreenPropertiesResult ApplyScreenProperties(CTaveloDoc& doc, CScreen& screen,
                                              const SScreenPropertyFields& fields);

}  // namespace tavelo

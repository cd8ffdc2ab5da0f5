#include "TargetCheck.h"

#include <map>
#include <utility>

#include "CheckMessages.h"
#include "ElementNames.h"
#include "FindingCodes.h"
#include "FindingList.h"
#include "compiler/ElementCast.h"
#include "elements/FunctionKey.h"
#include "model/TaveloDoc.h"
#include "model/TextFormat.h"

namespace tavelo {

namespace cm = check_messages;

namespace {

// 0 leads nowhere: the first screen has no up target. A target may name a screen the project
// does not have (yet), so a missing one is only a warning.
constexpr std::int32_t kNoTarget = 0;

void CheckScreenTargets(const CTaveloDoc& doc, CFindingList& findings) {
    for (const auto& screen : doc.GetScreens()) {
        const std::int32_t number = screen->GetNumber();
        for (const auto& [target, message] :
             {std::pair{screen->GetUpScreen(), cm::kUpTargetMissing},
              std::pair{screen->GetDownScreen(), cm::kDownTargetMissing}})
            if (target != kNoTarget && !doc.FindScreen(target))
                findings.AddScreen(ESeverity::Warning, finding_code::kUpDownTargetMissing, number,
                                   CComposedMessage(FormatMessage(message, number, target)));
    }
    const std::int32_t initial = doc.GetSystemSettings().GetStartup().m_nInitialScreen;
    if (!doc.FindScreen(initial))
        findings.AddProjectWide(
            ESeverity::Error, finding_code::kInitialScreenMissing,
            CComposedMessage(FormatMessage(cm::kInitialScreenMissing, initial)));
}

// A key jumps to a screen when it does not set a coil, jumps, and none of the later jump
// flags (password, alarm list, clock) is set, as the encoder reads them.
bool JumpsToScreen(const CFunctionKey& key) {
    const auto [coil, jump] = key.GetActionFlags();
    const auto flags = key.GetJumpFlags();
    return !coil && jump && !flags[1] && !flags[2] && !flags[3];
}

void CheckKeys(const CTaveloDoc& doc, CFindingList& findings) {
    // The first key of each (screen, key) pair, so a second one names it.
    std::map<std::pair<std::int32_t, std::int32_t>, const CFunctionKey*> firstKeys;
    for (const auto& element : doc.GetElements()) {
        const auto* key = ElementAs<CFunctionKey>(*element);
        if (!key || !doc.FindScreen(key->m_nScreenNo)) continue;
        if (JumpsToScreen(*key) && !doc.FindScreen(key->GetJumpScreen()))
            findings.AddElement(
                ESeverity::Error, finding_code::kJumpTargetMissing, *key,
                CComposedMessage(FormatMessage(cm::kJumpTargetMissing, key->GetJumpScreen())));
        const auto [place, added] =
            firstKeys.emplace(std::pair{key->m_nScreenNo, key->GetKey()}, key);
        if (added) continue;
        const CPoint first = ElementDots(*place->second);
        const std::int32_t index = key->GetKey();
        const std::u16string name =
            index >= 0 && index < CFunctionKey::kKeyCount
                ? CFunctionKey::kKeys[static_cast<std::size_t>(index)].m_pszListEntry
                : FormatMessage(u"%d", index);
        findings.AddElement(
            ESeverity::Warning, finding_code::kDuplicateFunctionKey, *key,
            CComposedMessage(FormatMessage(cm::kDuplicateKey, first.x, first.y)).Add(name));
    }
}

}  // namespace

void CheckTargets(const CTaveloDoc& doc, CFindingList& findings) {
    CheckScreenTargets(doc, findings);
    CheckKeys(doc, findings);
}

}  // namespace tavelo

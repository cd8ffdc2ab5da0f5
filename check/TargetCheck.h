#pragma once
// Finds screens that the project leads to but does not have (up and down targets, function-key
// jumps, the initial screen) and function keys that share a key on one screen.

namespace tavelo {

class CFindingList;
class CTaveloDoc;

void CheckTargets(const CTaveloDoc& doc, CFindingList& findings);

}  // namespace tavelo

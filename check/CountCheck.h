#pragma once
// Finds counts beyond the one byte the image keeps them in: elements of a screen, code bytes
// of a text or a dynamic text's row, rows of a dynamic text, alarms and their code bytes. The
// messages are the compiler's, which refuses the same counts.

namespace tavelo {

class CAppState;
class CFindingList;
class CTaveloDoc;

void CheckCounts(const CTaveloDoc& doc, const CAppState& state, CFindingList& findings);

}  // namespace tavelo

#pragma once
// The step of opening a project that runs every element through its property panel once:
// each panel is loaded from its element and applied back to it, so fields the project file
// does not hold (the byte width of an address record, ...) come from the current PLC type and
// every element meets its panel's rules. The editor's Open and the command line both call it.

namespace tavelo {

class CAppState;
class CTaveloDoc;

// In element list order; lines, rectangles and unknown classes have no panel and are skipped.
// The project's modified mark stays as it was.
void ReapplyPanels(CTaveloDoc& doc, const CAppState& state);

}  // namespace tavelo

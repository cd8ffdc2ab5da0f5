#pragma once
// Finds characters the panel cannot show: dot-matrix text outside the panel's fonts (ASCII
// and GB2312), vector text missing from its face, alarm texts outside the fonts.

namespace tavelo {

class CFindingList;
class CGlyphRasteriser;
class CTaveloDoc;

// The rasteriser answers for vector faces; null makes the FreeType one when a vector text
// needs it.
void CheckGlyphs(const CTaveloDoc& doc, CGlyphRasteriser* rasteriser, CFindingList& findings);

}  // namespace tavelo

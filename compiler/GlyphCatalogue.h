#pragma once
// Recognises the glyphs of an image by the font and graphics files they came from: a narrow
// or wide glyph as the character whose font glyph it is, a graphic as its GRAPH.DAT record.
// The image lists characters in ascending order, which settles glyphs that several characters
// share.

#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "ImageContents.h"

namespace tavelo {

class CGlyphCatalogue {
public:
    // Reads ASCII.DAT, hanzi.DAT and GRAPH.DAT from the directory; a file that cannot be read
    // leaves its glyphs unrecognised.
    static CGlyphCatalogue Load(const std::filesystem::path& dataDirectory);

    // count glyphs of 16 bytes from the area's start.
    std::vector<CImageGlyph> RecogniseNarrow(std::span<const std::uint8_t> area,
                                             std::size_t areaOffset, std::size_t count) const;
    // count glyphs of 32 bytes: the characters, the vector glyphs, then the graphics, which
    // begin with the five the compiler always puts there.
    std::vector<CImageGlyph> RecogniseWide(std::span<const std::uint8_t> area,
                                           std::size_t areaOffset, std::size_t count) const;

private:
    using Glyphs = std::map<std::string, std::vector<char16_t>>;

    static std::string Key(std::span<const std::uint8_t> glyph);
    // The smallest character above the previous one that has the glyph.
    static void Recognise(const Glyphs& glyphs, std::span<const std::uint8_t> glyph,
                          std::int32_t& previous, CImageGlyph& out);
    // Where the run of the five fixed graphics starts; count when it is not found.
    std::size_t FindGraphics(std::span<const std::uint8_t> area, std::size_t count) const;

    Glyphs m_narrow;
    Glyphs m_wide;
    std::map<std::string, std::int64_t> m_graphics;  // the first record of each drawing
    std::vector<std::string> m_fixedGraphics;
};

}  // namespace tavelo

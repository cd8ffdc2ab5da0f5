#pragma once
// Builds the two dot-matrix font files from Unifont: ASCII.DAT (16 row bytes per code
// 0..127) and hanzi.DAT (32 row bytes per GB2312 position, 94 x 94 positions).

#include <cstdint>
#include <vector>

namespace tavelo {

class CUnifontSource;

// The printable characters 0x20..0x7E from Unifont; control codes are blank. Throws
// std::runtime_error when Unifont lacks one of them or holds it wider than 8 dots.
std::vector<std::uint8_t> BuildAsciiTable(const CUnifontSource& unifont);

// Every GB2312 position: the character's 16 x 16 glyph, a glyph 8 dots wide centred in the
// cell; positions GB2312 leaves empty are blank. Throws std::runtime_error when Unifont lacks
// a GB2312 character.
std::vector<std::uint8_t> BuildHanziTable(const CUnifontSource& unifont);

}  // namespace tavelo

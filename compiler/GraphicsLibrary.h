#pragma once
// The function-key graphics library: the pictures of GRAPH.DAT that the image carries after
// the vector glyphs, named by their decimal record number. The hand and the four lamp pictures
// always come first, then the key code of every function key in order of first use.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

inline constexpr const char* kGraphicsFileName = "GRAPH.DAT";

class CGraphicsLibrary {
public:
    static constexpr const char16_t* kHand = u"65";
    static constexpr const char16_t* kSquareLampLit = u"66";
    static constexpr const char16_t* kSquareLamp = u"68";
    static constexpr const char16_t* kRoundLampLit = u"69";
    static constexpr const char16_t* kRoundLamp = u"71";
    static constexpr std::array<const char16_t*, 5> kFixedGraphics = {
        kHand, kSquareLampLit, kSquareLamp, kRoundLampLit, kRoundLamp};
    static constexpr std::size_t kGraphicBytes = 32;
    // Graphic codes have this bit set; the low 15 bits are the place in the wide-glyph area.
    static constexpr std::int32_t kCodeBase = 0x8000;
    static constexpr std::int32_t kNotAdded = -1;

    // The picture file is read from this directory when the graphics are written.
    explicit CGraphicsLibrary(std::filesystem::path dataDirectory);

    // Back to the five fixed graphics.
    void Reset();
    // Appends the name unless it is in the list already.
    void Add(std::u16string_view name);
    std::size_t GetCount() const { return m_names.size(); }

    // 0x8000 + glyphsBefore + the name's position; glyphsBefore counts the wide characters and
    // vector glyphs that precede the graphics. kNotAdded for a name never added.
    std::int32_t GetCode(std::u16string_view name, std::size_t glyphsBefore) const;

    // The record number a name stands for: its leading decimal digits, as the panel tool has
    // always read it (a name without digits is record 0).
    static std::int64_t RecordNumber(std::u16string_view name);

    // Copies record n of the file for every name, 32 bytes each. Throws CCompileError with
    // "无法打开图形库文件" when the file cannot be read or lacks a record, and without message
    // when the graphics would not fill exactly expectedSize bytes.
    void Write(std::span<std::uint8_t> destination, std::size_t expectedSize) const;

private:
    std::filesystem::path m_dataDirectory;
    std::vector<std::u16string> m_names;
};

}  // namespace tavelo

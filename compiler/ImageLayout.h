#pragma once
// The download image's fixed geometry and the areas one image is laid out in, in image order.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tavelo {

inline constexpr std::size_t kImageHeaderSize = 8;
inline constexpr std::size_t kSystemBlockOffset = 8;
inline constexpr std::size_t kSystemBlockSize = 29;
inline constexpr std::size_t kWideGlyphAreaOffset = kSystemBlockOffset + kSystemBlockSize;
inline constexpr std::size_t kScreenEntrySize = 25;
inline constexpr std::size_t kIndexEntrySize = 4;
inline constexpr std::size_t kKeyEntrySize = 12;
inline constexpr std::size_t kPollEntrySize = 10;
inline constexpr std::size_t kAlarmEntrySize = 3;
// The panel stores the image in 512-byte units and takes at most 66 of them.
inline constexpr std::size_t kImageUnitSize = 512;
inline constexpr std::size_t kMaxImageUnits = 66;
inline constexpr std::size_t kMaxImageSize = kImageUnitSize * kMaxImageUnits;
// The transfer counts 128-byte blocks.
inline constexpr std::size_t kBlocksPerUnit = 4;
inline constexpr std::uint8_t kPaddingByte = 0xFF;

enum class EImageArea {
    Header,
    SystemBlock,
    WideGlyphs,
    NarrowGlyphs,
    StaticBitmaps,
    DynamicBitmaps,
    ScreenTable,
    ElementIndex,
    ElementRecords,
    KeyTables,
    PollTables,
    AlarmIndex,
    AlarmTexts,
    Padding,
};
inline constexpr std::size_t kImageAreaCount = 14;

struct CImageArea {
    std::size_t m_nOffset = 0;
    std::size_t m_nSize = 0;

    std::size_t End() const { return m_nOffset + m_nSize; }
};

// Where every area lies; the areas follow one another without gaps.
struct CImageLayout {
    std::array<CImageArea, kImageAreaCount> m_areas{};
    // Glyph counts: wide characters, vector glyphs, graphics, narrow characters.
    std::size_t m_nWideCount = 0;
    std::size_t m_nVectorCount = 0;
    std::size_t m_nGraphicCount = 0;
    std::size_t m_nNarrowCount = 0;

    CImageArea& operator[](EImageArea area) { return m_areas[static_cast<std::size_t>(area)]; }
    const CImageArea& operator[](EImageArea area) const {
        return m_areas[static_cast<std::size_t>(area)];
    }
    // The bytes before the padding.
    std::size_t GetLength() const { return (*this)[EImageArea::AlarmTexts].End(); }
};

// "wideGlyphs", "elementRecords", ... for reports.
std::string_view ImageAreaName(EImageArea area);

// Whole 512-byte units that hold length bytes.
std::size_t ImageUnitsFor(std::size_t length);

}  // namespace tavelo

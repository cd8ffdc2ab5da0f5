#pragma once
// The bitmap library: the picture data of the image's bitmap area. Static bitmaps share one
// entry per picture file, in order of first use; dynamic bitmaps one 96-byte picture set per
// distinct bitmap type, every set holding the panel's three fixed glyphs.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavelo {

class CStaticBitmap;

class CBitmapLibrary {
public:
    // Three 16 x 16 glyphs.
    static constexpr std::size_t kPictureSetBytes = 96;
    // The sides a record can carry, one byte each.
    static constexpr std::int32_t kLargestSide = 255;

    void Reset();
    // Registers the element's picture unless its file has an entry of its sides already: a
    // picture of the same file name but other sides (the file changed between two imports)
    // gets its own entry, as the record's sides must describe its data. Throws
    // CCompileError naming the screen for sides a record cannot hold.
    void AddStatic(const CStaticBitmap& bitmap);
    void AddDynamic(std::int32_t bitmapType);

    std::size_t GetStaticSize() const { return m_nStaticSize; }
    std::size_t GetDynamicSize() const { return m_dynamicTypes.size() * kPictureSetBytes; }
    std::size_t GetDynamicCount() const { return m_dynamicTypes.size(); }

    // Where the static area starts; the dynamic area follows it.
    void SetAreaOffset(std::size_t offset) { m_nAreaOffset = offset; }
    // The data offset of the entry of the bitmap's file and sides; the area start when it has
    // none.
    std::size_t GetStaticOffset(const CStaticBitmap& bitmap) const;
    // The place of the type's entry among the dynamic entries: the entry count when the type
    // was never added.
    std::size_t GetDynamicPosition(std::int32_t bitmapType) const;
    std::size_t GetDynamicOffset(std::size_t position) const;

    // Each static entry decoded from its data text. An entry whose text holds another number
    // of bytes than its size adds "位图点阵提取错误" to notes; its bytes are written as far as
    // they go and the rest of the entry stays without dots. Throws CCompileError when the
    // entries would not fill exactly expectedSize bytes.
    void WriteStatic(std::span<std::uint8_t> destination, std::size_t expectedSize,
                     std::vector<std::u16string>& notes) const;
    void WriteDynamic(std::span<std::uint8_t> destination, std::size_t expectedSize) const;

    // The three glyphs every dynamic picture set holds.
    static const std::array<std::uint8_t, kPictureSetBytes>& PictureSet();

private:
    struct CStaticEntry {
        std::u16string m_strFileName;
        std::int32_t m_nWidth;
        std::int32_t m_nHeight;
        const std::u16string* m_pBits;
        std::size_t m_nOffset;  // within the static area
        std::size_t m_nSize;
    };

    const CStaticEntry* FindStatic(const CStaticBitmap& bitmap) const;

    std::vector<CStaticEntry> m_static;
    std::size_t m_nStaticSize = 0;
    std::vector<std::u16string> m_dynamicTypes;  // as decimal text, in order of first use
    std::size_t m_nAreaOffset = 0;
};

}  // namespace tavelo

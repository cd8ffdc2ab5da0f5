#pragma once
// A monochrome picture in the two forms a static bitmap keeps: its rows rounded to whole bytes
// with white padding (for the editor's preview) and the operator panel's column bytes (for
// the download), made from the one-bit rows of a BMP file.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavelo {

class CBmpFile;

class CPanelBitmap {
public:
    // The display's size; larger pictures are refused.
    static constexpr std::int32_t kMaxWidth = 192;
    static constexpr std::int32_t kMaxHeight = 64;
    static constexpr const char16_t* kTooLargeMessage = u"单色位图超出192*64范围";

    // A side rounded to a multiple of 8: upward when it exceeds one by more than 3, else
    // downward (10 -> 8, 12 -> 16).
    static std::int64_t RoundToBytes(std::int64_t pixels);
    // Bytes per stored row: a whole number of 16-bit words.
    static std::int32_t RowLength(std::int32_t width);

    // Why a picture of this many pixels cannot be stored, if it cannot: its rounded size
    // exceeds the display (kTooLargeMessage) or has no whole byte of dots.
    static std::optional<std::u16string> CheckSize(std::int32_t width, std::int32_t height);
    // The picture as a static bitmap stores it; its size has passed CheckSize.
    static CPanelBitmap FromBmp(const CBmpFile& bmp);

    std::int32_t GetByteCount() const { return static_cast<std::int32_t>(m_rowBytes.size()); }
    // Both forms as the element keeps them, text-encoded.
    std::u16string GetBitsText() const;
    std::u16string GetPanelBitsText() const;

    std::int32_t m_nPixelWidth = 0;
    std::int32_t m_nPixelHeight = 0;
    std::int32_t m_nWidth = 0;   // rounded
    std::int32_t m_nHeight = 0;  // rounded
    // RowLength(width) bytes per row, top row first; bit 7 is the leftmost pixel, 1 is white.
    std::vector<std::uint8_t> m_rowBytes;
    // Per band of 8 rows, one byte per pixel column; bit 0 is the band's top row, 1 is a dot.
    std::vector<std::uint8_t> m_panelBytes;

private:
    void TakeRows(const CBmpFile& bmp);
    void MakePanelBytes();
};

}  // namespace tavelo

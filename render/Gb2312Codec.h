#pragma once
// Converts between UTF-16 code units and GB2312 code positions. Positions are assigned as the
// Chinese desktop code page (936) assigns them, so "·" and "—" find their places, but only
// positions that GB2312 itself fills count: characters that only the wider code page holds
// have no position, and no conversion yields a position outside the 94 x 94 table.

#include <iconv.h>

#include <cstdint>
#include <optional>

namespace tavelo {

// A GB2312 position as its two bytes, each 0xA1..0xFE.
struct CGb2312Code {
    std::uint8_t m_nLead;
    std::uint8_t m_nTrail;
};

class CGb2312Codec {
public:
    static constexpr std::uint8_t kFirstByte = 0xA1;
    static constexpr std::uint8_t kLastByte = 0xFE;
    static constexpr int kRowCount = kLastByte - kFirstByte + 1;  // 94 rows of 94 columns

    // Throws std::runtime_error when iconv cannot read GB2312.
    CGb2312Codec();
    ~CGb2312Codec();
    CGb2312Codec(const CGb2312Codec&) = delete;
    CGb2312Codec& operator=(const CGb2312Codec&) = delete;

    std::optional<CGb2312Code> Encode(char16_t character);
    // The character at a position; none where GB2312 leaves the position empty.
    std::optional<char16_t> Decode(CGb2312Code code);

private:
    bool IsFilled(CGb2312Code code);

    iconv_t m_fromGb2312;
};

}  // namespace tavelo

#pragma once
// Writes big-endian numbers and bytes into one reserved stretch of the image. A write that
// would leave the stretch writes nothing and marks the cursor, so a writer that disagrees with
// the layout is caught by its byte count instead of overwriting its neighbour.

#include <cstddef>
#include <cstdint>
#include <span>

namespace tavelo {

class CImageCursor {
public:
    explicit CImageCursor(std::span<std::uint8_t> stretch) : m_stretch(stretch) {}

    // Each value is cut to its width: the low 8, 16 or 32 bits.
    void Put8(std::int64_t value);
    void Put16(std::int64_t value);
    void Put32(std::int64_t value);
    void PutBytes(std::span<const std::uint8_t> bytes);
    void PutRepeated(std::uint8_t value, std::size_t count);

    // Bytes written so far, counting refused writes, so a mismatch shows in the count.
    std::size_t GetCount() const { return m_nCount; }
    bool HasOverflowed() const { return m_bOverflowed; }
    // The unwritten rest of the stretch.
    std::span<std::uint8_t> Rest() const;

private:
    bool Reserve(std::size_t size);

    std::span<std::uint8_t> m_stretch;
    std::size_t m_nCount = 0;
    bool m_bOverflowed = false;
};

}  // namespace tavelo

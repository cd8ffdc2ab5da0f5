#pragma once
// The project's alarm list: the first PLC bit the panel watches and one text per bit, shown
// by the panel while that bit is set.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

class CArchive;

class CAlarmList {
public:
    // A text is at most this many columns wide; a UTF-16 unit above 127 takes two.
    static constexpr std::int64_t kMaxTextColumns = 24;
    static constexpr std::size_t kMaxTexts = 127;
    static constexpr std::size_t kMaxTextsAtIndex15 = 56;
    static constexpr std::uint8_t kPlcIndexOf56Texts = 15;

    struct CAddress {
        std::int32_t m_nStation;
        std::int32_t m_nLinearBit;
        std::int32_t m_nUnitType;
    };

    // The text without its last character (a whole surrogate pair).
    static std::u16string_view WithoutLastCharacter(std::u16string_view text);

    // The settings of a new project: no texts at all, unlike a freshly made list.
    void Reset();

    // What the download needs.
    CAddress GetAddress() const { return {m_nStation, m_nLinearBit, m_nUnitType}; }
    const std::vector<std::u16string>& GetTexts() const { return m_texts; }

    // The alarm block of the project file, in member order.
    void Serialize(CArchive& ar);

    bool operator==(const CAlarmList&) const = default;

    std::u16string m_strUnitName;
    std::int32_t m_nStation = 1;
    // 1 bit, 2 byte and bit; 0 until a unit is chosen.
    std::int32_t m_nAddressing = 0;
    std::int32_t m_nAddress = 0;
    std::int32_t m_nBit = 0;
    std::int32_t m_nLinearBit = 0;
    std::int32_t m_nUnitType = 0;
    std::vector<std::u16string> m_texts{std::u16string()};
};

}  // namespace tavelo

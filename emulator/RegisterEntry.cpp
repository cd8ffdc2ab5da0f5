#include "RegisterEntry.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <tuple>

#include "compiler/GraphLoadDataBase.h"
#include "compiler/ImageRecordLayouts.h"

namespace tavelo {

using namespace register_bits;

namespace {

// The range of a register of that byte count, as the register's limits are checked.
std::pair<std::int64_t, std::int64_t> FormatRange(std::int64_t bytes, bool isSigned) {
    if (bytes == 1) return isSigned ? std::pair{-128, 127} : std::pair{0, 255};
    if (bytes == 4)
        return isSigned ? std::pair<std::int64_t, std::int64_t>{-2147483648LL, 2147483647}
                        : std::pair<std::int64_t, std::int64_t>{0, 2147483647};
    return isSigned ? std::pair{-32768, 32767} : std::pair{0, 65535};
}

}  // namespace

bool CRegisterEntry::IsEditable(const CImageRecord& record) {
    const bool isFloat = (record.Value("decimals") & kFloatBit) != 0;
    return record.m_strKind == RecordKindName(kRegisterRecord) &&
           (record.Value("attributes") & kSettableBit) != 0 &&
           (!isFloat || record.Value("byteCount") == 4);
}

CRegisterEntry::CRegisterEntry(const CImageRecord& record)
    : m_pRecord(&record),
      m_nAttributes(record.Value("attributes")),
      m_nBytes(record.Value("byteCount")),
      m_nDigits(static_cast<std::size_t>(std::clamp<std::int64_t>(record.Value("digits"), 1, 10))),
      m_bFloat((record.Value("decimals") & kFloatBit) != 0) {
    for (std::int64_t i = 0; i < std::clamp<std::int64_t>(record.Value("decimals") & 0x7F, 0, 9);
         ++i)
        m_nScale *= 10;
    if (m_bFloat) {
        // The typed digits, the point placed by the decimals, are the value itself.
        std::int64_t largest = 1;
        for (std::size_t i = 0; i < m_nDigits; ++i) largest *= 10;
        m_nMinimum = 1 - largest;
        m_nMaximum = largest - 1;
    } else {
        std::tie(m_nMinimum, m_nMaximum) = FormatRange(m_nBytes, (m_nAttributes & kSignedBit) != 0);
    }
    // BCD holds two decimal digits a byte; a larger value would lose its high digits.
    if ((m_nAttributes & kDecimalBit) == 0) {
        std::int64_t capacity = 1;
        for (std::int64_t i = 0; i < std::clamp<std::int64_t>(m_nBytes, 1, 4); ++i) capacity *= 100;
        m_nMaximum = std::min(m_nMaximum, capacity - 1);
    }
    // Limits beyond what the register can hold do not widen the range. A float register's
    // limits count whole units, the typed digits units of its last decimal.
    if (m_nAttributes & kLimitsBit) {
        const std::int64_t unit = m_bFloat ? m_nScale : 1;
        m_nMinimum = std::max(m_nMinimum, record.Value("inputMin") * unit);
        m_nMaximum = std::min(m_nMaximum, record.Value("inputMax") * unit);
    }
    // An engineering register takes the value in engineering units, as it shows it.
    if (IsEngineering()) {
        m_nMinimum = record.Value("engMin");
        m_nMaximum = record.Value("engMax");
    }
}

void CRegisterEntry::Type(int digit) {
    if (m_strDigits == "0") m_strDigits.clear();
    if (m_strDigits.size() < m_nDigits) m_strDigits += static_cast<char>('0' + digit);
}

void CRegisterEntry::ToggleSign() {
    if (m_nAttributes & kSignedBit) m_bNegative = !m_bNegative;
}

void CRegisterEntry::Clear() {
    m_strDigits.clear();
    m_bNegative = false;
}

std::optional<std::int64_t> CRegisterEntry::Value() const {
    if (m_strDigits.empty()) return std::nullopt;
    std::int64_t magnitude = 0;
    std::from_chars(m_strDigits.data(), m_strDigits.data() + m_strDigits.size(), magnitude);
    return m_bNegative ? -magnitude : magnitude;
}

bool CRegisterEntry::Commit(IPlcMemory& memory) const {
    const std::optional<std::int64_t> value = Value();
    if (!value || *value < m_nMinimum || *value > m_nMaximum) return false;
    memory.Write(
        {m_pRecord->Value("station"), m_pRecord->Value("unitCode"), m_pRecord->Value("address")},
        Contents(IsEngineering() ? RawValue(*value) : *value));
    return true;
}

// The inverse of the shown conversion: engineering limits map linearly onto the input limits,
// rounded to the nearest raw value; a register whose engineering limits are equal receives
// its lower input limit.
std::int64_t CRegisterEntry::RawValue(std::int64_t engineering) const {
    const double inputMin = static_cast<double>(m_pRecord->Value("inputMin"));
    const double inputMax = static_cast<double>(m_pRecord->Value("inputMax"));
    const double engMin = static_cast<double>(m_nMinimum);
    const double engMax = static_cast<double>(m_nMaximum);
    if (engMax == engMin) return static_cast<std::int64_t>(inputMin);
    return std::llround(inputMin + (static_cast<double>(engineering) - engMin) *
                                       (inputMax - inputMin) / (engMax - engMin));
}

std::int64_t CRegisterEntry::Contents(std::int64_t value) const {
    if (m_bFloat)
        return std::bit_cast<std::uint32_t>(
            static_cast<float>(static_cast<double>(value) / static_cast<double>(m_nScale)));
    if ((m_nAttributes & kDecimalBit) == 0) {
        std::int64_t bcd = 0;
        for (int shift = 0; value > 0; shift += 4, value /= 10) bcd |= (value % 10) << shift;
        value = bcd;
    }
    const std::int64_t bytes = std::clamp<std::int64_t>(m_nBytes, 1, 4);
    return value & ((std::int64_t{1} << (8 * bytes)) - 1);
}

}  // namespace tavelo

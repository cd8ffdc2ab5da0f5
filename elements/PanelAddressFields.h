#pragma once
// The PLC address part of an element property panel: the 局号 (station) field, the 类型
// address-unit list of the current PLC type, and the count, address and bit fields, with their
// spin ranges, empty-field defaults, enabling by the chosen unit and the clamps of an apply.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/AppState.h"
#include "model/RegUnitConfig.h"
#include "model/RegisterUnit.h"
#include "model/SpinRange.h"
#include "model/StationNumber.h"

namespace tavelo {

// What differs between panels.
struct CAddressFieldRules {
    // The addressing kinds listed, as CUnitChoiceList filters them (0: byte addressing).
    std::int32_t m_nUnitFilter = CRegUnitConfig::kByte;
    // What an empty station field becomes.
    std::int32_t m_nEmptyStation = 1;
    // Whether the panel has a 寄存器个数 (count) field; without one the count stays as stored.
    bool m_bHasCount = false;
    // A count spin range of the panel's own, the field then enabled whenever it is shown;
    // otherwise 1 to the unit's maximum, enabled for units of more than one register.
    std::optional<CSpinRange> m_countSpin;
    // The PLC list index at which stations end at 247 instead of 255.
    std::uint8_t m_nPlcIndexOfStations247 = kPlcIndexOfStations247;
};

class CPanelAddressFields {
public:
    enum class Field { kStation, kCount, kAddress, kBit };
    static constexpr std::size_t kFieldCount = 4;

    CPanelAddressFields(const CAppState& state, const CAddressFieldRules& rules);

    // Fills the unit list, preselecting the record's unit by its type number, and the fields.
    void Load(const CRegisterUnit& address);

    // User actions. The fields take digits only; an empty field takes its default at once;
    // disabled fields change nothing.
    void SelectUnit(int position);
    void SetText(Field field, std::u16string_view text);

    // Writes the fields into the record: the chosen unit's type number and byte width, count
    // (when the panel has one) into 1..the unit's maximum, address and bit into the unit's
    // ranges, the station clamped by the PLC list index. Returns the linear address. Without
    // any unit to choose the record keeps its unit, and address, bit and count stay as typed.
    std::int32_t ApplyTo(CRegisterUnit& address) const;

    // What the controls show.
    const std::vector<std::u16string>& GetUnitList() const { return m_unitNames; }
    int GetUnitSelection() const { return m_nUnitSelection; }
    const std::u16string& GetText(Field field) const { return m_texts[Index(field)]; }
    CSpinRange GetSpinRange(Field field) const;
    // The count only on panels with one (see CAddressFieldRules); the address
    // for byte or byte-and-bit units; the bit for bit or byte-and-bit units (otherwise hidden,
    // too).
    bool IsCountEnabled() const;
    bool IsAddressEnabled() const;
    bool IsBitEnabled() const;
    // The chosen unit, or null when the list is empty.
    const CRegUnitConfig* GetUnit() const;

private:
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
    std::int32_t ReadNumber(Field field) const;

    const CAppState& m_state;
    CAddressFieldRules m_rules;
    std::vector<std::u16string> m_unitNames;
    std::vector<std::size_t> m_unitIndices;
    int m_nUnitSelection = -1;
    std::array<std::u16string, kFieldCount> m_texts;
};

}  // namespace tavelo

#include "FunctionKeyLoadData.h"

#include <array>

#include "ImageLibraries.h"
#include "TextRecordParts.h"
#include "elements/FunctionKey.h"

namespace tavelo {

namespace {

constexpr std::int32_t kHiddenBit = 0x04;
constexpr std::int32_t kPasswordBit = 0x40;
constexpr std::int32_t kHandBit = 0x80;

std::int32_t ActionOf(const CFunctionKey& key) {
    const auto [coil, jump] = key.GetActionFlags();
    if (coil) return CFunctionKeyLoadData::kSetCoil;
    if (jump) return CFunctionKeyLoadData::kJump;
    return CFunctionKeyLoadData::kSetRegister;
}

// The last flag set wins; none set gives 0.
std::int32_t LastSet(const std::array<bool, 4>& flags) {
    std::int32_t choice = 0;
    for (std::int32_t position = 0; position < 4; ++position)
        if (flags[static_cast<std::size_t>(position)]) choice = position;
    return choice;
}

std::int32_t SubActionOf(const CFunctionKey& key, std::int32_t action) {
    switch (action) {
        case CFunctionKeyLoadData::kSetCoil:
            return LastSet(key.GetCoilFlags());
        case CFunctionKeyLoadData::kJump:
            return LastSet(key.GetJumpFlags());
        default:
            return 0;
    }
}

}  // namespace

void CFunctionKeyLoadData::Compute(const CFunctionKey& key, const CImageLibraries& libraries) {
    SetPosition(key);
    m_nLook = BaseLook(key) | (key.IsHidden() ? kHiddenBit : 0) |
              (key.NeedsPassword() ? kPasswordBit : 0) | (key.HasHand() ? kHandBit : 0);
    m_nHandCode = key.HasHand() ? libraries.GetGraphicCode(CGraphicsLibrary::kHand) : 0;
    m_nKeyCode = libraries.GetGraphicCode(key.GetKeyCode());
    const std::int32_t index = key.GetKey();
    m_nKeyNumber = index >= 0 && index < CFunctionKey::kKeyCount ? index + 1 : 0;
    m_bPassword = key.NeedsPassword();
    m_nAction = ActionOf(key);
    m_nSubAction = SubActionOf(key, m_nAction);
    m_address = CPlcAddress::Of(key.GetAddress());
    m_nTargetAddress = m_nAction == kSetCoil       ? key.GetLinearAddress()
                       : m_nAction == kSetRegister ? key.GetAddress().m_nAddress
                                                   : 0;
    m_nJumpScreen = key.GetJumpScreen();
    m_nTableByteCount =
        static_cast<std::int32_t>(std::int64_t{key.GetRegCount()} * key.GetAddress().m_nUnitBytes);
    m_nParameter = key.GetParameter();
}

std::size_t CFunctionKeyLoadData::WriteRecord(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    const bool jump = m_nAction == kJump;
    PutPosition(out);
    out.Put8(m_nLook);
    out.Put16(m_nHandCode);
    out.Put16(m_nKeyCode);
    out.Put8(m_nKeyNumber);
    out.Put8(m_nAction);
    out.Put8(m_nSubAction);
    out.Put8(0);
    out.Put8(m_address.m_nStation);
    out.Put16(m_nTargetAddress);
    out.Put8(jump ? 0 : m_address.m_nUnitCode);
    out.Put16(jump ? m_nJumpScreen : 0);
    return out.GetCount() - start;
}

std::size_t CFunctionKeyLoadData::WriteTableEntry(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    out.Put8(m_nKeyNumber + (m_bPassword ? kPasswordKeyBit : 0));
    out.Put8(m_nAction);
    out.Put8(m_nSubAction);
    if (m_nAction == kJump) {
        out.Put16(0);
        out.Put16(m_nSubAction == 0 ? m_nJumpScreen : 0);
    } else {
        out.Put8(m_address.m_nStation);
        out.Put16(m_nTargetAddress);
        out.Put8(m_address.m_nUnitCode);
    }
    out.Put8(m_nTableByteCount);
    out.Put32(m_nParameter);
    return out.GetCount() - start;
}

}  // namespace tavelo

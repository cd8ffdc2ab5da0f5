#pragma once
// Encodes a function key (kind 2): its look, graphics, key, action and target, and the entry
// of its screen's function-key table.

#include "GraphLoadDataBase.h"

namespace tavelo {

class CFunctionKey;
class CImageLibraries;

class CFunctionKeyLoadData : public CGraphLoadDataBase {
public:
    static constexpr std::size_t kRecordSize = 17;
    enum EAction : std::int32_t { kSetCoil = 0, kJump = 1, kSetRegister = 2 };
    static constexpr std::int32_t kPasswordKeyBit = 0x80;

    CFunctionKeyLoadData() : CGraphLoadDataBase(kFunctionKeyRecord) {}

    void Compute(const CFunctionKey& key, const CImageLibraries& libraries);

    std::size_t WriteRecord(CImageCursor& out) const override;
    // Key number (+0x80 with password), action, sub-action, target or address, byte count,
    // parameter.
    std::size_t WriteTableEntry(CImageCursor& out) const override;
    std::size_t GetRecordSize() const override { return kRecordSize; }
    ETable GetTable() const override { return ETable::FunctionKeys; }

private:
    std::int32_t m_nLook = 0;
    std::int32_t m_nHandCode = 0;
    std::int32_t m_nKeyCode = 0;
    std::int32_t m_nKeyNumber = 0;
    bool m_bPassword = false;
    std::int32_t m_nAction = kSetCoil;
    std::int32_t m_nSubAction = 0;
    CPlcAddress m_address;
    // Set coil: the linear address; set register: the address record's address; jump: 0.
    std::int32_t m_nTargetAddress = 0;
    std::int32_t m_nJumpScreen = 0;
    std::int32_t m_nTableByteCount = 0;
    std::int32_t m_nParameter = 0;
};

}  // namespace tavelo

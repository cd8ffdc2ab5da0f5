#include "FunctionKeyLoadData.h"

#include <map>
#include <string>

#include "ImageLibraries.h"
#include "TextRecordParts.h"
#include "elements/FunctionKey.h"
#include "model/FieldSink.h"

namespace tavelo {

namespace {

constexpr std::int32_t kHiddenBit = 0x04;
constexpr std::int32_t kPasswordBit = 0x40;
constexpr std::int32_t kHandBit = 0x80;

// The key's one-hot action flags, read through its field description: the element offers
// setters for them but no getters.
class CKeyFlags : public CFieldSink {
public:
    explicit CKeyFlags(const CFunctionKey& key) { key.DescribeFields(*this); }

    bool IsSet(const char* name) const {
        const auto found = m_values.find(name);
        return found != m_values.end() && found->second != 0;
    }

    void Int(std::string_view name, std::int64_t value) override {
        if (m_nDepth == 0) m_values[std::string(name)] = value;
    }
    void Text(std::string_view, const std::u16string&) override {}
    void Ints(std::string_view, const std::vector<std::int64_t>&) override {}
    void Texts(std::string_view, const std::vector<std::u16string>&) override {}
    void BeginGroup(std::string_view) override { ++m_nDepth; }
    void EndGroup() override { --m_nDepth; }

private:
    std::map<std::string, std::int64_t, std::less<>> m_values;
    int m_nDepth = 0;
};

std::int32_t ActionOf(const CKeyFlags& flags) {
    if (flags.IsSet("actionCoil")) return CFunctionKeyLoadData::kSetCoil;
    if (flags.IsSet("actionJump")) return CFunctionKeyLoadData::kJump;
    return CFunctionKeyLoadData::kSetRegister;
}

// The last flag set wins; none set gives 0.
std::int32_t LastSet(const CKeyFlags& flags, std::initializer_list<const char*> names) {
    std::int32_t choice = 0;
    std::int32_t position = 0;
    for (const char* name : names) {
        if (flags.IsSet(name)) choice = position;
        ++position;
    }
    return choice;
}

std::int32_t SubActionOf(const CKeyFlags& flags, std::int32_t action) {
    switch (action) {
        case CFunctionKeyLoadData::kSetCoil:
            return LastSet(flags, {"coilOn", "coilOff", "coilToggle", "coilMomentary"});
        case CFunctionKeyLoadData::kJump:
            return LastSet(flags, {"jumpScreen", "jumpPassword", "jumpAlarm", "jumpTime"});
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
    const CKeyFlags flags(key);
    m_nAction = ActionOf(flags);
    m_nSubAction = SubActionOf(flags, m_nAction);
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

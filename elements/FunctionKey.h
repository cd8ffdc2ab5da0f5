#pragma once
// A function key ("功能键"): one key of the panel's keypad with an action on its screen (set a
// coil, jump to a screen, write registers), previewed as the key's cap, optionally with a
// pointing hand beside it; a hidden key shows a dotted outline.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "RectObj.h"
#include "model/RegisterUnit.h"

namespace tavelo {

class CFunctionKey : public CRectObj {
public:
    static constexpr const char* kClassName = "CFunctionKey";

    // A key of the keypad: its entry in the panel's key list and the first of its three
    // pictures (+0 inverse, +1 hidden, +2 normal look).
    struct CKeyEntry {
        const char16_t* m_pszListEntry;
        std::int32_t m_nFirstPicture;
    };
    static constexpr std::array<CKeyEntry, 20> kKeys = {{
        {u"ESC 键", 2043},  {u"向左 键", 2048}, {u"向右 键", 2054},  {u"向下 键", 2037},
        {u"向上 键", 2060}, {u"SET  键", 2057}, {u"ENT 键", 2040},   {u"ALM 键", 2031},
        {u"'0' 键", 2000},  {u"'1' 键", 2003},  {u"'2' 键", 2006},   {u"'3' 键", 2009},
        {u"'4' 键", 2012},  {u"'5' 键", 2015},  {u"'6' 键", 2018},   {u"'7' 键", 2022},
        {u"'8' 键", 2025},  {u"'9' 键", 2028},  {u"'+/-' 键", 2051}, {u"CLR 键", 2034},
    }};
    static constexpr std::int32_t kKeyCount = static_cast<std::int32_t>(kKeys.size());
    // The key '6' has its normal look here rather than right after its hidden look.
    static constexpr std::int32_t kKey6 = 14;
    static constexpr std::int32_t kKey6NormalPicture = 2021;
    static constexpr std::int32_t kNoKeyCode = 255;
    static constexpr std::int32_t kHandPicture = 2047;
    static constexpr std::int32_t kInverseHandPicture = 2046;
    static constexpr std::int32_t kKeyDots = 16;

    // Radio positions.
    static constexpr std::int32_t kActionCoil = 0;      // 设定线圈
    static constexpr std::int32_t kActionJump = 1;      // 画面跳转
    static constexpr std::int32_t kActionRegister = 2;  // 设定寄存器
    static constexpr std::int32_t kCoilOn = 0, kCoilOff = 1, kCoilToggle = 2, kCoilMomentary = 3;
    static constexpr std::int32_t kJumpScreen = 0, kJumpPassword = 1, kJumpAlarm = 2, kJumpTime = 3;

    // 5, 8, 11, ... for the keys of the table, kNoKeyCode for any other index.
    static std::int32_t KeyCode(std::int32_t key);

    // Sized from the top-left corner at the first drawing.
    explicit CFunctionKey(const CRect& position = {});

    // Everything but the screen number; the key size is 16 x 16 again.
    std::unique_ptr<CGraphObj> Clone() const override;
    // Reading refreshes the key code and picture from the key and look read.
    void Serialize(CArchive& ar) override;
    std::string GetClassName() const override { return kClassName; }
    void Draw(const CElementView& view, CDrawSurface& surface) override;
    void SetInverse(std::int32_t value) override;
    void DescribeFields(CFieldSink& sink) const override;

    std::int32_t GetKey() const { return m_nKey; }
    void SetKey(std::int32_t key);
    const std::u16string& GetKeyCode() const { return m_strKeyCode; }
    std::int32_t GetPicture() const { return m_nPicture; }

    bool HasHand() const { return m_bHand != 0; }
    bool IsHidden() const { return m_bHidden != 0; }
    bool NeedsPassword() const { return m_bPassword != 0; }
    void SetLook(bool hand, bool hidden, bool password);

    void SetActionFlags(bool coil, bool jump);
    void SetCoilFlags(bool on, bool off, bool toggle, bool momentary);
    // The reserved value travels with the jump flags, as it always has.
    std::int32_t GetReserved2() const { return m_nReserved2; }
    // The one-hot flags as stored: coil, jump; on, off, toggle, momentary; screen, password,
    // alarm, time.
    std::array<bool, 2> GetActionFlags() const { return {m_bActionCoil != 0, m_bActionJump != 0}; }
    std::array<bool, 4> GetCoilFlags() const {
        return {m_bCoilOn != 0, m_bCoilOff != 0, m_bCoilToggle != 0, m_bCoilMomentary != 0};
    }
    std::array<bool, 4> GetJumpFlags() const {
        return {m_bJumpScreen != 0, m_bJumpPassword != 0, m_bJumpAlarm != 0, m_bJumpTime != 0};
    }
    void SetJumpFlags(std::int32_t reserved2, bool screen, bool password, bool alarm, bool time);

    std::int32_t GetRegCount() const { return m_nRegCount; }
    std::int32_t GetParameter() const { return m_nParameter; }
    void SetRegisterWrite(std::int32_t count, std::int32_t parameter);

    std::int32_t GetKeyListIndex() const { return m_nKeyListIndex; }
    std::int32_t GetTypeIndex() const { return m_nTypeIndex; }
    std::int32_t GetFormatIndex() const { return m_nFormatIndex; }
    void SetListPositions(std::int32_t key, std::int32_t type, std::int32_t format);

    std::int32_t GetAction() const { return m_nAction; }
    void SetAction(std::int32_t action) { m_nAction = action; }
    std::int32_t GetCoilAction() const { return m_nCoilAction; }
    void SetCoilAction(std::int32_t action) { m_nCoilAction = action; }
    std::int32_t GetJumpTarget() const { return m_nJumpTarget; }
    void SetJumpTarget(std::int32_t target) { m_nJumpTarget = target; }
    std::int32_t GetJumpScreen() const { return m_nJumpScreen; }
    void SetJumpScreen(std::int32_t screen) { m_nJumpScreen = screen; }
    std::int32_t GetLinearAddress() const { return m_nLinearAddress; }
    void SetLinearAddress(std::int32_t address) { m_nLinearAddress = address; }
    const CRegisterUnit& GetAddress() const { return m_address; }
    void SetAddress(const CRegisterUnit& address) { m_address.CopyFrom(address); }

private:
    CFunctionKey(const CFunctionKey& other) = default;
    void RefreshPicture();
    void UpdateSize();

    std::u16string m_strKeyCode = u"8";
    std::int32_t m_nKeyListIndex = 0;
    std::int32_t m_nTypeIndex = 0;
    std::int32_t m_nFormatIndex = 0;
    std::int32_t m_nKey = 1;
    CRegisterUnit m_address;
    std::int32_t m_bActionCoil = 1;
    std::int32_t m_bActionJump = 0;
    std::int32_t m_nReserved1 = 0;
    std::int32_t m_bHand = 1;
    std::int32_t m_bHidden = 0;
    std::int32_t m_bPassword = 0;
    std::int32_t m_bCoilOn = 1;
    std::int32_t m_bCoilOff = 0;
    std::int32_t m_bCoilToggle = 0;
    std::int32_t m_bCoilMomentary = 0;
    std::int32_t m_nReserved2 = 1;
    std::int32_t m_bJumpScreen = 1;
    std::int32_t m_bJumpPassword = 0;
    std::int32_t m_bJumpAlarm = 0;
    std::int32_t m_bJumpTime = 0;
    std::int32_t m_nReserved3 = 1;
    std::int32_t m_nReserved4 = 0;
    std::int32_t m_nRegCount = 1;  // stored as one byte
    std::int32_t m_nParameter = 0;
    std::int32_t m_nKeyWidth = kKeyDots;
    std::int32_t m_nKeyHeight = kKeyDots;
    std::int32_t m_nPicture = 2050;
    std::int32_t m_nJumpScreen = 1;  // stored as one byte
    std::int32_t m_nLinearAddress = 0;
    std::int32_t m_nCoilAction = kCoilOn;
    std::int32_t m_nJumpTarget = kJumpScreen;
    std::int32_t m_nAction = kActionCoil;
    std::int32_t m_nReserved5 = 0;
};

}  // namespace tavelo

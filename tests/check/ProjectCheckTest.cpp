#include <gtest/gtest.h>

#include <functional>

#include "check/FindingCodes.h"
#include "check/ProjectCheck.h"
#include "compiler/CompilerFixtures.h"
#include "elements/FunctionKey.h"
#include "elements/Register.h"
#include "model/TextCodec.h"
#include "render/Gb2312Codec.h"
#include "support/PlcSamples.h"

namespace tavelo::test {
namespace {

// The stripe rasteriser, whose faces lack the letter Q.
class CFaceWithoutQ : public CStripeRasteriser {
public:
    bool HasGlyph(char16_t character, const std::u16string&) override { return character != u'Q'; }
};

// Screens 1 and 2 leading to each other, a Modbus PLC with a word unit "4X" (type 1) and a
// coil unit "0X" (type 2), a title and a register: nothing to find.
class CCheckProject {
public:
    CCheckProject() {
        AddScreen(doc, 1).SetDownScreen(2);
        AddScreen(doc, 2).SetUpScreen(1);
        doc.GetScreens()[1]->SetDownScreen(0);
        state.m_currentPlc = MakePlc(CPLC::kModbusRtuName,
                                     {MakeUnit(u"4X", CRegUnitConfig::kByte, 0, 9999, 15, 1, 2, 8),
                                      MakeUnit(u"0X", CRegUnitConfig::kBit, 2, 9999)});
        PlaceText(doc, u"温度 Temp", 1, 0, 0);
        AddRegister(MakeAddress(1, 1, 100, 1, 2), 1, 0, 32);
        doc.GetAlarms().m_nUnitType = 2;
    }
    CRegister& AddRegister(const CRegisterUnit& address, std::int32_t screen, std::int32_t x,
                           std::int32_t y) {
        CRegister& value = Place(doc, std::make_unique<CRegister>(), screen, x, y);
        value.GetAddress() = address;
        return value;
    }
    CFunctionKey& AddKey(std::int32_t key, std::int32_t x, std::int32_t jumpScreen) {
        CFunctionKey& made = Place(doc, std::make_unique<CFunctionKey>(), 2, x, 40);
        made.SetKey(key);
        made.SetActionFlags(false, true);
        made.SetJumpScreen(jumpScreen);
        return made;
    }
    CCheckResult Check() { return CheckProject(doc, state, data.Path(), &faces); }

    CTaveloDoc doc;
    CAppState state;
    CSyntheticDataDir data;
    CFaceWithoutQ faces;
};

// n distinct GB2312 characters, from the first hanzi row on.
std::u16string Hanzi(std::size_t n, std::size_t skip = 0) {
    CGb2312Codec codec;
    std::u16string text;
    for (int position = 15 * 94; text.size() < n + skip; ++position) {
        const auto character = codec.Decode({static_cast<std::uint8_t>(0xA1 + position / 94),
                                             static_cast<std::uint8_t>(0xA1 + position % 94)});
        if (character) text += *character;
    }
    return text.substr(skip);
}

std::string Messages(const CCheckResult& result) {
    std::string all;
    for (const CFinding& finding : result.m_findings) all += ToUtf8(finding.m_strMessage) + "\n";
    return all;
}

struct CCase {
    const char* m_pszCode;
    std::function<void(CCheckProject&)> m_damage;
};

const CCase kCases[] = {
    {finding_code::kGlyphMissing, [](auto& p) { PlaceText(p.doc, u"A☃", 1, 0, 16); }},
    {finding_code::kGlyphMissing,
     [](auto& p) { PlaceText(p.doc, u"QQ", 1, 0, 16).SetVector(true); }},
    {finding_code::kAlarmTextGlyphMissing, [](auto& p) { p.doc.GetAlarms().m_texts = {u"♫"}; }},
    {finding_code::kOffDisplay, [](auto& p) { PlaceText(p.doc, u"ABCDEFGH", 2, 160, 0); }},
    {finding_code::kOverlap, [](auto& p) { PlaceText(p.doc, u"AB", 1, 8, 0); }},
    {finding_code::kJumpTargetMissing, [](auto& p) { p.AddKey(0, 0, 9); }},
    {finding_code::kUpDownTargetMissing, [](auto& p) { p.doc.FindScreen(2)->SetDownScreen(7); }},
    {finding_code::kInitialScreenMissing,
     [](auto& p) { p.doc.GetSystemSettings().m_nInitialScreen = 5; }},
    {finding_code::kAddressOutOfRange,
     [](auto& p) { p.AddRegister(MakeAddress(1, 1, 9999, 2, 2), 2, 0, 0); }},
    {finding_code::kAddressOutOfRange,
     [](auto& p) { p.AddRegister(MakeAddress(1, 7, 0, 1, 2), 2, 0, 0); }},
    {finding_code::kStationOutOfRange,
     [](auto& p) { p.AddRegister(MakeAddress(250, 1, 0, 1, 2), 2, 0, 0); }},
    {finding_code::kDuplicateFunctionKey,
     [](auto& p) {
         p.AddKey(3, 0, 1);
         p.AddKey(3, 40, 1);
     }},
    {finding_code::kImageBudget,
     [](auto& p) {
         for (std::size_t i = 0; i < 10; ++i) PlaceText(p.doc, Hanzi(110, 110 * i), 2, 0, 0);
     }},
    {finding_code::kTooManyElements,
     [](auto& p) {
         for (int i = 0; i < 255; ++i) PlaceText(p.doc, u"A", 1, 0, 0);
     }},
    {finding_code::kTextTooLong, [](auto& p) { PlaceText(p.doc, Hanzi(128), 2, 0, 0); }},
    {finding_code::kTooManyAlarms, [](auto& p) { p.doc.GetAlarms().m_texts.assign(256, u"A"); }},
    {finding_code::kNotCompiled, [](auto& p) { p.data.Remove("hanzi.DAT"); }},
};

TEST(ProjectCheck, EachDamageIsFoundExactlyOnceAndNothingElse) {
    {
        CCheckProject clean;
        const CCheckResult result = clean.Check();
        EXPECT_TRUE(result.m_findings.empty()) << Messages(result);
        EXPECT_TRUE(result.m_compiled.Succeeded());
    }
    for (const CCase& row : kCases) {
        CCheckProject project;
        row.m_damage(project);
        const CCheckResult result = project.Check();
        ASSERT_EQ(result.m_findings.size(), 1u) << row.m_pszCode << "\n" << Messages(result);
        EXPECT_EQ(result.m_findings[0].m_strCode, row.m_pszCode) << Messages(result);
    }
}

TEST(ProjectCheck, FindingsNameTheElementAndTheFigures) {
    CCheckProject project;
    CFunctionKey& key = project.AddKey(0, 24, 9);
    PlaceText(project.doc, u"ABCDEFGH", 2, 160, 0);
    const CCheckResult result = project.Check();
    ASSERT_EQ(result.m_findings.size(), 2u) << Messages(result);
    const CFinding& jump = result.m_findings[0];
    EXPECT_EQ(jump.m_eSeverity, ESeverity::Error);
    EXPECT_EQ(jump.m_nScreen, 2);
    EXPECT_EQ(jump.m_pElement, &key);
    EXPECT_EQ(jump.m_ptDots, (CPoint{24, 40}));
    EXPECT_EQ(jump.m_strMessage, u"画面 2 位于 (24, 40) 的功能键跳转到不存在的画面 9");
    const CFinding& edge = result.m_findings[1];
    EXPECT_EQ(edge.m_eSeverity, ESeverity::Warning);
    EXPECT_EQ(edge.m_strMessage,
              u"画面 2 位于 (160, 0) 的静态文本超出显示屏：画到 (224, 16)，显示屏为 192 × 64 点");
}

}  // namespace
}  // namespace tavelo::test

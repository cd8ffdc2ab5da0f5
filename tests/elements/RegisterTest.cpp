#include <gtest/gtest.h>

#include "elements/Register.h"
#include "elements/RegisterPanelForm.h"
#include "model/TaveloDoc.h"
#include "support/FakeElementView.h"
#include "support/PlcSamples.h"
#include "support/RecordingDrawSurface.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using test::Bytes;
using Axis = CRegisterPanelForm::Axis;
using Check = CRegisterPanelForm::Check;
using Field = CRegisterPanelForm::Field;
using AddressField = CRegisterPanelForm::AddressField;

TEST(RegisterPreview, SampleDigitsFollowDigitsDecimalsAndSign) {
    struct Case {
        std::int32_t digits, decimals;
        bool isSigned, isFloat;
        std::u16string preview;
    };
    const Case cases[] = {
        {5, 0, false, false, u"12345"},  {5, 2, false, false, u"123.45"},
        {5, 2, true, false, u"-123.45"}, {10, 0, false, false, u"1234567890"},
        {3, 3, false, false, u"0.123"},  {2, 5, false, false, u"0.12"},
        {4, 1, false, true, u"-123.4"},  {12, 0, false, false, u"1234567890"},
        {-3, 0, false, false, u""},      {0, 2, true, false, u"-0."},
    };
    for (const Case& c : cases) {
        CRegister reg;
        reg.SetSigned(c.isSigned);
        reg.SetFloat(c.isFloat);
        reg.SetDigits(c.digits, c.decimals);
        EXPECT_EQ(reg.GetPreview(), c.preview) << c.digits << "." << c.decimals;
    }
    CRegister tooMany;
    tooMany.SetDigits(12, 0);
    EXPECT_EQ(tooMany.GetDigits(), 10);
}

TEST(RegisterPreview, BoxIsTheMeasuredPreviewWithoutMinimumAndDoubledAtDoubleSize) {
    test::FakeElementView view;
    test::RecordingDrawSurface surface;
    CRegister reg(CRect{4, 8, 0, 0});
    reg.SetDigits(1, 0);
    reg.Draw(view, surface);
    EXPECT_EQ(reg.GetPosition(), (CRect{4, 8, 22, 44}));
    reg.SetDoubleSize(1);
    reg.Draw(view, surface);
    EXPECT_EQ(reg.GetPosition(), (CRect{4, 8, 40, 80}));
    EXPECT_EQ(surface.calls.back().text, u"1");
}

// Reading a body without the float marker takes the digits from its place; writing always
// writes the marker.
TEST(RegisterStorage, FilesWithoutTheFloatMarkerReadTheirDigitsThereAndAreWrittenWithIt) {
    const Bytes current = test::BodyFile("register.bin");
    for (const char* file : {"register.bin", "register-before-float.bin"}) {
        const auto reg = test::LoadBody<CRegister>(test::BodyFile(file));
        EXPECT_EQ(reg->GetDigits(), 2);
        EXPECT_EQ(reg->IsFloat(), file == std::string("register.bin"));
        EXPECT_EQ(reg->GetPreview(), u"1.2");  // as stored, not rebuilt
        Bytes expected = current;
        expected[82] = reg->IsFloat();
        EXPECT_EQ(test::StoreBody(*reg), expected) << file;
    }
}

TEST(RegisterCopy, ScreenCopiesCarryTheCopyMarkAndARebuiltPreview) {
    CRegister reg(CRect{1, 1, 2, 2});
    reg.SetDigits(4, 1);
    reg.m_bFloatApplied = true;
    reg.m_nScreenNo = 5;
    const std::unique_ptr<CGraphObj> copy = reg.Clone();
    const auto& copied = dynamic_cast<const CRegister&>(*copy);
    EXPECT_TRUE(copied.m_bCopyMark);
    EXPECT_FALSE(copied.m_bFloatApplied);
    EXPECT_EQ(copied.GetPreview(), u"123.4");
    EXPECT_EQ(copied.m_nScreenNo, CGraphObj::kNoScreen);
    EXPECT_FALSE(reg.m_bCopyMark);
}

TEST(RegisterValueRange, WidthSignAndFloatDigitsDecideTheLimits) {
    struct Case {
        std::int64_t width;
        bool isSigned, isFloat;
        std::int32_t digits, decimals;
        CSpinRange range;
    };
    const Case cases[] = {
        {1, false, false, 5, 0, {0, 255}},
        {4, false, false, 5, 0, {0, 2147483647}},
        {6, false, false, 5, 0, {0, 65535}},
        {1, true, false, 5, 0, {-128, 127}},
        {4, true, false, 5, 0, {INT32_MIN, 2147483647}},
        {2, true, false, 5, 0, {-32768, 32767}},
        {2, true, true, 10, 2, {-21474836, 21474836}},
        {2, true, true, 4, 1, {-999, 999}},
        {2, true, true, 3, 3, {0, 0}},
        {2, true, true, 99, 0, {-2147483647, 2147483647}},  // typed beyond the spin range
        {2, true, true, 10, 50, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            CRegisterPanelForm::ValueRange(c.width, c.isSigned, c.isFloat, c.digits, c.decimals),
            c.range)
            << c.width << " " << c.isSigned << c.isFloat << " " << c.digits << "." << c.decimals;
}

class RegisterPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_state.m_nModelIndex = CAppState::kModelZorB;
        m_state.m_currentPlc = test::MakeByteAndWordPlc();
        m_register = &static_cast<CRegister&>(
            m_doc.AddElement(std::make_unique<CRegister>(CRect{0, 0, 0, 0})));
        m_panel.SetObject(m_register);
    }
    void AllowLimits() {
        m_panel.SetCheck(Check::kSettable, true);
        m_panel.SetCheck(Check::kLimits, true);
    }

    CTaveloDoc m_doc;
    CAppState m_state;
    CRegisterPanelForm m_panel{m_state};
    CRegister* m_register = nullptr;
};

TEST_F(RegisterPanelTest, TheCountDecidesTheWidthOfTheLimits) {
    AllowLimits();
    EXPECT_EQ(m_panel.GetAddressFields().GetUnitList()[1], u"D");
    for (const auto& [count, kept] : {std::pair{u"2", 100000}, {u"3", 65535}, {u"20", 65535}}) {
        m_panel.SetAddressText(AddressField::kCount, count);
        m_panel.SetFieldText(Field::kInputMax, u"100000");
        EXPECT_EQ(m_register->GetInputMax(), kept) << std::string(count, count + 2);
    }
    EXPECT_EQ(m_register->GetAddress().m_nCount, 8);  // the unit's maximum, 16 bytes
    EXPECT_EQ(m_register->GetTypeIndex(), 1);
    m_panel.SelectUnit(0);  // one register of one byte
    EXPECT_FALSE(m_panel.GetAddressFields().IsCountEnabled());
    EXPECT_EQ(m_register->GetAddress().m_nCount, 1);
    EXPECT_EQ(m_register->GetInputMax(), 255);
}

TEST_F(RegisterPanelTest, FloatForcesTheSignAndItsDigitsBoundTheLimits) {
    AllowLimits();
    m_panel.SetFieldText(Field::kDigits, u"4");
    m_panel.SetFieldText(Field::kDecimals, u"1");
    m_panel.SetFieldText(Field::kInputMin, u"-5000");
    m_panel.SetCheck(Check::kFloat, true);
    EXPECT_TRUE(m_register->IsSigned());
    EXPECT_EQ(m_register->GetInputMin(), -999);
    EXPECT_EQ(m_register->GetPreview(), u"-123.4");
    EXPECT_FALSE(m_panel.IsModeEnabled());
    EXPECT_FALSE(m_panel.IsCheckEnabled(Check::kSigned));
    EXPECT_EQ(m_panel.GetDataModeList().size(), 1u);

    m_panel.SetFieldText(Field::kInputMin, u"-50");
    m_panel.SetCheck(Check::kFloat, false);
    EXPECT_FALSE(m_register->IsSigned());
    EXPECT_FALSE(m_register->IsFloat());
    EXPECT_EQ(m_register->GetInputMin(), 0);
    EXPECT_EQ(m_register->GetPreview(), u"123.4");
}

// The first model hides 浮点数: a stored float stays while only shown; the user's first change
// drops it as switching float off does, and marks the project.
TEST_F(RegisterPanelTest, TheFirstPanelModelKeepsAStoredFloatUntilTheUserChangesIt) {
    AllowLimits();
    m_panel.SetCheck(Check::kFloat, true);
    m_panel.SetFieldText(Field::kInputMin, u"-50");
    m_state.m_nModelIndex = CAppState::kModelZorA;
    m_doc.SetModified(false);
    m_panel.SetObject(m_register);
    EXPECT_TRUE(m_register->IsFloat() && m_register->IsSigned() && !m_doc.IsModified());
    EXPECT_EQ(m_register->GetInputMin(), -50);
    EXPECT_TRUE(m_panel.IsModeEnabled());
    m_panel.SetCheck(Check::kInverse, true);
    EXPECT_FALSE(m_register->IsFloat() || m_register->IsSigned());
    EXPECT_EQ(m_register->GetInputMin(), 0);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(RegisterPanelTest, FieldsTakeDefaultsWaitForALoneMinusAndAreClampedOnApply) {
    AllowLimits();
    m_panel.SetFieldText(Field::kDigits, u"");
    EXPECT_EQ(m_panel.GetFieldText(Field::kDigits), u"5");
    m_panel.SetPositionText(Axis::kX, u"1234");
    EXPECT_EQ(m_panel.GetPositionText(Axis::kX), u"192");
    m_panel.SetPositionText(Axis::kY, u"");
    EXPECT_EQ(m_panel.GetPositionText(Axis::kY), u"0");
    EXPECT_EQ(m_register->GetPosition().TopLeft(), (CPoint{432, 0}));

    m_panel.SetFieldText(Field::kInputMax, u"30");
    m_panel.SetFieldText(Field::kInputMin, u"5-");  // refused by the typing filter
    EXPECT_EQ(m_panel.GetFieldText(Field::kInputMin), u"0");
    m_panel.SetFieldText(Field::kInputMin, u"-");
    m_panel.SetFieldText(Field::kDigits, u"12");
    EXPECT_EQ(m_register->GetDigits(), 5);  // postponed
    m_panel.SetFieldText(Field::kInputMin, u"-0");
    EXPECT_EQ(m_register->GetDigits(), 10);
    m_panel.SetFieldText(Field::kInputMin, u"40");
    EXPECT_EQ(m_register->GetInputMin(), 30);  // never above the upper limit
    m_panel.SetFieldText(Field::kDecimals, u"10");
    m_panel.SetFieldText(Field::kDigits, u"0");
    EXPECT_EQ(m_register->GetDigits(), 1);
    EXPECT_EQ(m_register->GetDecimals(), 0);
}

TEST_F(RegisterPanelTest, EnablingFollowsSettableLimitsAndDataMode) {
    EXPECT_FALSE(m_panel.IsCheckEnabled(Check::kPassword));
    EXPECT_FALSE(m_panel.IsFieldEnabled(Field::kInputMax));
    m_panel.SetFieldText(Field::kInputMax, u"7");
    EXPECT_EQ(m_panel.GetFieldText(Field::kInputMax), u"0");
    AllowLimits();
    EXPECT_TRUE(m_panel.IsFieldEnabled(Field::kInputMax));
    EXPECT_FALSE(m_panel.IsFieldEnabled(Field::kEngMax));
    m_panel.SelectDataMode(1);
    m_panel.SetFieldText(Field::kEngMax, u"500");
    EXPECT_TRUE(m_register->IsEngineering());
    EXPECT_EQ(m_register->GetEngMax(), 500);
    m_panel.SelectDataMode(0);
    EXPECT_EQ(m_register->GetEngMax(), 0);  // raw data has no engineering range
    m_panel.SetCheck(Check::kSigned, true);
    m_panel.SetDecimal(false);
    EXPECT_FALSE(m_register->IsSigned());
    EXPECT_FALSE(m_panel.IsCheckEnabled(Check::kSigned));
}

}  // namespace
}  // namespace tavelo

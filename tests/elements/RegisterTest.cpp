#include <gtest/gtest.h>

#include "elements/Register.h"
#include "support/ByteHelpers.h"
#include "support/FakeElementView.h"
#include "support/RecordingDrawSurface.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
using test::Concat;

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
    EXPECT_EQ(surface.calls.back().font, (CFontDesc{u"宋体", 72}));
    EXPECT_EQ(surface.calls.back().text, u"1");
}

const Bytes kBase =
    B({0, 0, 0, 0, 0, 0, 0, 0, 90, 0, 0, 0, 36, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
const Bytes kPreview = B({0xFF, 0xFE, 0xFF, 3, '1', 0, '.', 0, '2', 0});
// Decimal, signed, settable, password, limits, input max and min, engineering max and min,
// engineering flag.
const Bytes kFlagsAndLimits =
    B({1,   0, 0, 0, 0,    0,    0,    0,    1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0,
       100, 0, 0, 0, 0xF6, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
const Bytes kMarker = B({0xFF, 0xFF, 0, 0});
// Decimals, linear address, data mode, type index, then the address record.
const Bytes kTail =
    Concat({B({1, 0, 0, 0, 50, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0}),
            B({3, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 50, 0, 0, 0, 0, 0, 0, 0})});

TEST(RegisterStorage, FilesWithoutTheFloatMarkerReadTheirDigitsThereAndAreWrittenWithIt) {
    const Bytes current =
        Concat({kBase, kPreview, kFlagsAndLimits, kMarker, B({1, 0, 0, 0, 2, 0, 0, 0}), kTail});
    const Bytes older = Concat({kBase, kPreview, kFlagsAndLimits, B({2, 0, 0, 0}), kTail});
    for (const Bytes* stored : {&current, &older}) {
        const auto reg = test::LoadBody<CRegister>(*stored);
        EXPECT_EQ(reg->GetDigits(), 2);
        EXPECT_EQ(reg->IsFloat(), stored == &current);
        EXPECT_EQ(reg->GetPreview(), u"1.2");  // as stored, not rebuilt
        EXPECT_EQ(reg->GetInputMin(), -10);
        EXPECT_EQ(reg->GetAddress().m_nAddress, 50);
        Bytes expected = current;
        if (stored == &older) expected[kBase.size() + kPreview.size() + 44] = 0;  // float off
        EXPECT_EQ(test::StoreBody(*reg), expected);
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

}  // namespace
}  // namespace tavelo

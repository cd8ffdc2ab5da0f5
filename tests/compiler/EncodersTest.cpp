// What the golden image cases under tests/data do not show: the rarer attribute bits, records
// of damaged data and the notes the encoders add.
#include <gtest/gtest.h>

#include "CompilerFixtures.h"
#include "SampleProject.h"
#include "compiler/CompilerMessages.h"
#include "compiler/DynamicBitmapLoadData.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
using test::Concat;

using Encoders = test::CCompilerTest;

TEST_F(Encoders, ARegisterCarriesEngineeringLimitsAndItsLook) {
    auto element = std::make_unique<CRegister>();
    element->SetEngineering(true);
    element->SetEngineeringLimits(70000, -70000);
    element->SetDoubleSize(1);
    test::Place(doc, std::move(element), 1);
    const Bytes record = test::RecordsOf(CompileOk(), 0).at(0).m_bytes;
    EXPECT_EQ(record[2], 0x26);  // double size, engineering, decimal (the default)
    EXPECT_EQ(test::Slice(record, 18, 8), B({0, 1, 0x11, 0x70, 0xFF, 0xFE, 0xEE, 0x90}));
}

// ZORA has no floating point: a stored float is written as the integer ZORA shows.
TEST_F(Encoders, ARegisterIsFloatOnTheSecondModelOnly) {
    auto element = std::make_unique<CRegister>();
    element->SetFloat(true);
    test::Place(doc, std::move(element), 1);
    for (const auto& [model, decimals] : {std::pair{CAppState::kModelZorB, 0x80}, {0, 0}}) {
        state.m_nModelIndex = model;
        EXPECT_EQ(test::RecordsOf(CompileOk(), 0).at(0).m_bytes[4], decimals) << model;
    }
}

TEST_F(Encoders, BarGraphAttributesAndDirections) {
    struct Case {
        bool isFloat, decimal, isSigned;
        std::int32_t direction;
        int attributes, panelDirection;
    };
    CTrendBar& bar = test::Place(doc, std::make_unique<CTrendBar>(CTrendBar::kBarGraph), 1);
    bar.SetDecimals(3);
    for (const Case& c : {Case{true, false, false, CTrendBar::kUp, 0xB3, 0},
                          Case{false, true, true, CTrendBar::kDown, 0x33, 2},
                          Case{false, false, true, CTrendBar::kLeft, 0x03, 1},
                          Case{false, true, false, CTrendBar::kRight, 0x23, 3}}) {
        bar.SetFloat(c.isFloat);
        bar.SetDecimal(c.decimal);
        bar.SetSigned(c.isSigned);
        bar.SetDirection(c.direction);
        const Bytes record = test::RecordsOf(CompileOk(), 0).at(0).m_bytes;
        EXPECT_EQ(record[2], c.attributes);
        EXPECT_EQ(record[13], c.panelDirection);
    }
}

TEST_F(Encoders, DynamicTextListsOfDifferentLengthsArePairedAsFarAsBothGo) {
    auto element = std::make_unique<CDynamicText>();
    element->GetTextList() = {u"x", u"AB"};
    element->GetValueList() = {u"7", u"8", u"9"};
    test::Place(doc, std::move(element), 1);
    const CDownloadImage image = CompileOk({compiler_messages::kDynamicTextData});
    EXPECT_EQ(test::RecordsOf(image, 0).at(0).m_bytes[3], 2);
}

TEST_F(Encoders, DamagedBitmapDataIsWrittenAsFarAsItGoes) {
    test::Place(
        doc, std::make_unique<CStaticBitmap>(test::MakePicture(16, 8, Bytes(15, 0x11)), u"c.bmp"),
        1);
    const CDownloadImage image = CompileOk({compiler_messages::kBitmapExtraction});
    const std::size_t area = image.m_layout[EImageArea::StaticBitmaps].m_nOffset;
    EXPECT_EQ(test::Slice(image.m_bytes, area, 16), Concat({Bytes(15, 0x11), B({0})}));
}

TEST_F(Encoders, PositionsAreDotsTruncatedAndNeverNegative) {
    struct Case {
        std::int32_t left, top;
        int x, y;
    };
    CStaticText& text = test::PlaceText(doc, u"", 1);
    for (const Case& c : {Case{27, 45, 12, 20}, Case{26, 44, 11, 19}, Case{432, 144, 192, 64},
                          Case{-20, -9, 0, 0}}) {
        text.SetPosition(CRect{c.left, c.top, c.left + 18, c.top + 36});
        EXPECT_EQ(test::Slice(test::RecordsOf(CompileOk(), 0).at(0).m_bytes, 0, 2), B({c.x, c.y}));
    }
}

TEST_F(Encoders, ADynamicBitmapTypeWithoutEntrySaysSo) {
    CBitmapLibrary bitmaps;
    bitmaps.AddDynamic(1);
    CDynamicBitmap bitmap;
    bitmap.SetBitmapType2(2);
    CDynamicBitmapLoadData encoder;
    std::vector<std::u16string> notes;
    encoder.Compute(bitmap, bitmaps, notes);
    EXPECT_EQ(notes, std::vector<std::u16string>{compiler_messages::kDynamicBitmap});
}

}  // namespace
}  // namespace tavelo

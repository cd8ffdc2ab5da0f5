#include <gtest/gtest.h>

#include "CompilerFixtures.h"
#include "SampleProject.h"
#include "compiler/CompilerMessages.h"
#include "compiler/DynamicBitmapLoadData.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/PanelBitmap.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/TrendBar.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;
using test::Be16;
using test::Bytes;
using test::Concat;

// Without texts the graphics start the wide-glyph area: "65" is 0x8000, "66" 0x8001, "68"
// 0x8002, "69" 0x8003, "71" 0x8004, and key codes follow from 0x8005.
using Encoders = test::CCompilerTest;

TEST_F(Encoders, RegisterRecordAndPollEntry) {
    auto element = std::make_unique<CRegister>();
    element->SetSettable(true);
    element->SetPassword(true);
    element->SetLimits(true);
    element->SetEngineering(true);
    element->SetDigits(6, 2);
    element->SetInputLimits(1000, -5);
    element->SetEngineeringLimits(70000, -70000);
    element->GetAddress() = test::MakeAddress(7, 3, 0x1234, 2, 2);
    element->SetDoubleSize(1);
    element->SetInverse(1);
    CRegister& reg = test::Place(doc, std::move(element), 1, 12, 20);
    CDownloadImage image = CompileOk();
    test::CRecordBytes record = test::RecordsOf(image, 0).at(0);
    EXPECT_EQ(record.m_nKind, 4);
    // Inverse, double size, engineering, settable, decimal, password, limits: 0xEF.
    EXPECT_EQ(record.m_bytes, B({12, 20,   0xEF, 6, 2, 0, 0, 3,    0xE8, 0xFF, 0xFF, 0xFF, 0xFB,
                                 7,  0x12, 0x34, 3, 4, 0, 1, 0x11, 0x70, 0xFF, 0xFE, 0xEE, 0x90}));
    EXPECT_EQ(test::PollTableOf(image, 0),
              Concat({B({0x10, 7, 0x12, 0x34, 3, 4, 4}), Be16(record.m_nOffset), B({26})}));

    // Float sets the signed and decimal bits whatever they hold, and bit 7 of the decimals.
    reg.SetDecimal(false);
    reg.SetFloat(true);
    image = CompileOk();
    record = test::RecordsOf(image, 0).at(0);
    EXPECT_EQ(record.m_bytes[2], 0xFF);
    EXPECT_EQ(record.m_bytes[4], 0x82);
}

TEST_F(Encoders, IndicatorPicturesFollowShapeAndLogic) {
    struct Case {
        std::int32_t shape, logic;
        Bytes pictures;
    };
    const Case cases[] = {
        {CIndicator::kRound, CIndicator::kPositive, B({0x80, 0x04, 0x80, 0x03})},
        {CIndicator::kRound, CIndicator::kNegative, B({0x80, 0x03, 0x80, 0x04})},
        {CIndicator::kSquare, CIndicator::kPositive, B({0x80, 0x02, 0x80, 0x01})},
        {CIndicator::kSquare, CIndicator::kNegative, B({0x80, 0x01, 0x80, 0x02})},
    };
    CIndicator& lamp = test::Place(doc, std::make_unique<CIndicator>(), 1, 4, 8);
    lamp.SetAddress(test::MakeAddress(2, 9, 0));
    lamp.SetLinearAddress(0x0105);
    lamp.SetDoubleSize(1);
    for (const Case& c : cases) {
        lamp.SetLampShape(c.shape);
        lamp.SetLogic(c.logic);
        const CDownloadImage image = CompileOk();
        const test::CRecordBytes record = test::RecordsOf(image, 0).at(0);
        EXPECT_EQ(record.m_bytes, Concat({B({4, 8, 2}), c.pictures, B({0, 0, 0, 0, 2, 1, 5, 9})}));
        EXPECT_EQ(test::PollTableOf(image, 0),
                  Concat({B({0x10, 2, 1, 5, 9, 1, 5}), Be16(record.m_nOffset), B({15})}));
    }
}

TEST_F(Encoders, FunctionKeysOfEachAction) {
    CFunctionKey& coil = test::Place(doc, std::make_unique<CFunctionKey>(), 1);
    coil.SetKey(2);  // "向右 键", key code 11
    coil.SetLook(true, false, true);
    coil.SetActionFlags(true, false);
    coil.SetCoilFlags(false, true, false, false);
    coil.SetAddress(test::MakeAddress(4, 6, 0x20));
    coil.SetLinearAddress(0x0107);
    coil.SetRegisterWrite(3, 0x01020304);
    CFunctionKey& jump = test::Place(doc, std::make_unique<CFunctionKey>(), 1, 20, 0);
    jump.SetKey(0);  // "ESC 键", key code 5
    jump.SetLook(false, true, false);
    jump.SetActionFlags(false, true);
    jump.SetJumpFlags(1, false, true, false, false);
    jump.SetJumpScreen(9);
    CFunctionKey& write = test::Place(doc, std::make_unique<CFunctionKey>(), 1, 40, 0);
    write.SetKey(2);
    write.SetLook(false, false, false);
    write.SetActionFlags(false, false);
    write.SetAddress(test::MakeAddress(5, 1, 0x30, 2, 2));
    write.SetRegisterWrite(2, -1);
    const CDownloadImage image = CompileOk();
    // Graphics after the fixed five: "11" (0x8005), then "5" (0x8006).
    EXPECT_EQ(test::Slice(image.m_bytes, 37 + 5 * 32, 64), Concat({Bytes(32, 11), Bytes(32, 5)}));
    const std::vector<test::CRecordBytes> records = test::RecordsOf(image, 0);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].m_bytes, B({0, 0, 0xC0, 0x80, 0, 0x80, 5, 3, 0, 1, 0, 4, 1, 7, 6, 0, 0}));
    EXPECT_EQ(records[1].m_bytes, B({20, 0, 0x04, 0, 0, 0x80, 6, 1, 1, 1, 0, 1, 0, 0, 0, 0, 9}));
    EXPECT_EQ(records[2].m_bytes, B({40, 0, 0, 0, 0, 0x80, 5, 3, 2, 0, 0, 5, 0, 0x30, 1, 0, 0}));
    // Jumps to other than a screen carry no screen number in the table.
    EXPECT_EQ(test::KeyTableOf(image, 0),
              B({0x83, 0, 1, 4, 1, 7,    6, 3, 1,    2,    3,    4,  //
                 1,    1, 1, 0, 0, 0,    0, 1, 0,    0,    0,    0,  //
                 3,    2, 0, 5, 0, 0x30, 1, 4, 0xFF, 0xFF, 0xFF, 0xFF}));
    jump.SetJumpFlags(1, true, false, false, false);
    EXPECT_EQ(test::Slice(test::KeyTableOf(CompileOk(), 0), 12, 8), B({1, 1, 0, 0, 0, 0, 9, 1}));
}

TEST_F(Encoders, TrendAndBarGraphs) {
    auto MakeGraph = [&](std::int32_t kind, std::int32_t x) -> CTrendBar& {
        CTrendBar& graph = test::Place(doc, std::make_unique<CTrendBar>(kind), 1, x, 8);
        graph.SetSize(48, 96);
        graph.SetScales(1000, -10);
        graph.SetDecimals(3);
        graph.SetAddress(test::MakeAddress(5, 1, 0, 2, 2));
        graph.SetLinearAddress(0x0200);
        return graph;
    };
    CTrendBar& trend = MakeGraph(CTrendBar::kTrendGraph, 0);
    trend.SetPoints(20);
    trend.SetInterval(300);
    trend.SetSigned(true);
    CTrendBar& bar = MakeGraph(CTrendBar::kBarGraph, 100);
    bar.SetDirection(CTrendBar::kDown);
    const Bytes scale = B({96, 48, 0xFF, 0xFF, 0xFF, 0xF6, 0, 0, 3, 0xE8});
    CDownloadImage image = CompileOk();
    std::vector<test::CRecordBytes> records = test::RecordsOf(image, 0);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].m_nKind, 6);
    EXPECT_EQ(records[0].m_bytes,
              Concat({B({0, 8, 0x33}), scale, B({20, 0x01, 0x2C, 5, 2, 0, 1, 4})}));
    EXPECT_EQ(records[1].m_nKind, 7);
    EXPECT_EQ(records[1].m_bytes, Concat({B({100, 8, 0x23}), scale, B({2, 5, 2, 0, 1, 4})}));
    // Only the bar graph is polled; the trend graph is counted in the screen entry.
    EXPECT_EQ(test::PollTableOf(image, 0),
              Concat({B({0x10, 5, 2, 0, 1, 4, 7}), Be16(records[1].m_nOffset), B({19})}));
    EXPECT_EQ(test::Slice(test::ScreenEntry(image, 0), 15, 10),
              Concat({B({0x40, 0, 0, 0, 1}), Be16(records[0].m_nOffset), B({0, 0, 0})}));

    struct Case {
        bool isFloat, decimal, isSigned;
        std::int32_t direction;
        int attributes, panelDirection;
    };
    const Case cases[] = {{true, false, false, CTrendBar::kUp, 0xB3, 0},
                          {false, false, true, CTrendBar::kLeft, 0x03, 1},
                          {false, true, false, CTrendBar::kRight, 0x23, 3}};
    for (const Case& c : cases) {
        bar.SetFloat(c.isFloat);
        bar.SetDecimal(c.decimal);
        bar.SetSigned(c.isSigned);
        bar.SetDirection(c.direction);
        records = test::RecordsOf(CompileOk(), 0);
        EXPECT_EQ(records[1].m_bytes[2], c.attributes);
        EXPECT_EQ(records[1].m_bytes[13], c.panelDirection);
    }
}

TEST_F(Encoders, DynamicTextRowsSkipEmptyValues) {
    auto element = std::make_unique<CDynamicText>();
    element->GetTextList() = {u"开", u"", u"AB", u"x"};
    element->GetValueList() = {u"1", u"2", u" -3", u""};
    element->FindWidestText();
    element->GetAddress() = test::MakeAddress(6, 2, 0);
    element->SetLinearAddress(0x33);
    element->SetInverse(1);
    CDynamicText& text = test::Place(doc, std::move(element), 1, 8, 16);
    CDownloadImage image = CompileOk();
    const test::CRecordBytes record = test::RecordsOf(image, 0).at(0);
    const std::size_t rows = record.m_nOffset + 11;
    // Narrow: space, A, B, x; wide: 开. Three rows, their texts after the 15-byte row table.
    EXPECT_EQ(record.m_bytes,
              Concat({B({8, 16, 0x21, 3, 2}), Be16(rows), B({6, 0, 0x33, 2}), B({0, 1}),
                      Be16(rows + 15), B({2}),             //
                      B({0, 2}), Be16(rows + 17), B({0}),  //
                      B({0xFF, 0xFD}), Be16(rows + 17), B({2}), B({0xF0, 0, 1, 2})}));
    EXPECT_EQ(test::PollTableOf(image, 0),
              Concat({B({0x10, 6, 0, 0x33, 2, 1, 8}), Be16(record.m_nOffset), B({11})}));

    // Lists of different lengths are paired as far as both go, and say so.
    text.GetValueList() = {u"7", u"8", u"9"};
    text.GetTextList() = {u"x", u"AB"};
    image = CompileOk({compiler_messages::kDynamicTextData});
    EXPECT_EQ(test::RecordsOf(image, 0).at(0).m_bytes[3], 2);
}

TEST_F(Encoders, VectorTextsUseVectorGlyphCodesAfterTheDotMatrixOnes) {
    test::PlaceText(doc, u"文", 1);
    CStaticText& vector = test::PlaceText(doc, u"A文", 1, 0, 20);
    vector.SetVector(true);
    vector.SetFontSize(16);
    auto element = std::make_unique<CDynamicText>();
    element->GetTextList() = {u"A"};
    element->GetValueList() = {u"0"};
    element->SetVector(true);
    element->SetFontSize(14);
    test::Place(doc, std::move(element), 1, 0, 40);
    const CDownloadImage image = CompileOk();
    // Wide area: 文 (dot matrix), then the vector glyphs A/16, 文/16, A/14, then graphics.
    EXPECT_EQ(image.m_layout.m_nVectorCount, 3u);
    const Bytes stripeOfTwoDots = Concat({B({1, 1}), Bytes(30, 0)});
    EXPECT_EQ(test::Slice(image.m_bytes, 37 + 32, 32), stripeOfTwoDots);
    const std::vector<test::CRecordBytes> records = test::RecordsOf(image, 0);
    EXPECT_EQ(records.at(1).m_bytes, B({0, 20, 0, 4, 0x90, 1, 0xC0, 2}));
    // Size 14 is size class 2 in bits 2 and 3; the row's code names A/14.
    EXPECT_EQ(records.at(2).m_bytes[2], 0x20 | 0x08);
    EXPECT_EQ(test::Slice(records.at(2).m_bytes, 16, 2), B({0xA0, 3}));
}

TEST_F(Encoders, BitmapsShareDataByFileAndPictureSetsByType) {
    const Bytes pictureA = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    test::Place(doc, std::make_unique<CStaticBitmap>(test::MakePicture(16, 8, pictureA), u"a.bmp"),
                1);
    test::Place(doc,
                std::make_unique<CStaticBitmap>(test::MakePicture(8, 8, Bytes(8, 0xAA)), u"b.bmp"),
                1, 40, 0);
    test::Place(doc, std::make_unique<CStaticBitmap>(test::MakePicture(16, 8, pictureA), u"a.bmp"),
                1, 80, 0);
    for (std::int32_t type : {3, 7, 3}) {
        CDynamicBitmap& bitmap = test::Place(doc, std::make_unique<CDynamicBitmap>(), 1, 0, 40);
        bitmap.SetBitmapType2(type);
        bitmap.SetLogic(1);
        bitmap.SetAddress(test::MakeAddress(1, 8, 0));
        bitmap.SetLinearAddress(0x44);
    }
    const CDownloadImage image = CompileOk();
    const std::size_t area = image.m_layout[EImageArea::StaticBitmaps].m_nOffset;
    EXPECT_EQ(image.m_layout[EImageArea::StaticBitmaps].m_nSize, 24u);
    EXPECT_EQ(test::Slice(image.m_bytes, area, 24), Concat({pictureA, Bytes(8, 0xAA)}));
    const Bytes pictureSet(CBitmapLibrary::PictureSet().begin(),
                           CBitmapLibrary::PictureSet().end());
    EXPECT_EQ(test::Slice(image.m_bytes, area + 24, 192), Concat({pictureSet, pictureSet}));
    const std::vector<test::CRecordBytes> records = test::RecordsOf(image, 0);
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[0].m_bytes, Concat({B({0, 0, 0, 16, 8}), Be16(area)}));
    EXPECT_EQ(records[1].m_bytes, Concat({B({40, 0, 0, 8, 8}), Be16(area + 16)}));
    EXPECT_EQ(records[2].m_bytes, Concat({B({80, 0, 0, 16, 8}), Be16(area)}));
    EXPECT_EQ(records[3].m_bytes,
              Concat({B({0, 40, 1, 16, 16}), Be16(area + 24), B({1, 0, 0x44, 8})}));
    EXPECT_EQ(records[4].m_bytes,
              Concat({B({0, 40, 1, 16, 16}), Be16(area + 120), B({1, 0, 0x44, 8})}));
    EXPECT_EQ(test::Slice(test::ScreenEntry(image, 0), 15, 10),
              Concat({B({0x80, 0, 0, 0, 0, 0, 0, 3}), Be16(records[3].m_nOffset)}));
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

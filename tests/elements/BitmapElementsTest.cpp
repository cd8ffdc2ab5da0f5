#include <gtest/gtest.h>

#include "elements/BitmapImport.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicBitmapPanelForm.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticBitmapPanelForm.h"
#include "model/TaveloDoc.h"
#include "support/DrawCalls.h"
#include "support/PlcSamples.h"
#include "support/RecordingDrawSurface.h"
#include "support/BmpFiles.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using test::RecordingDrawSurface;

// A 12 x 8 picture with a dark diagonal from its top-left corner.
CPanelBitmap Diagonal() {
    test::BmpLayout layout;
    layout.width = 12;
    layout.pixel = [](std::int32_t x, std::int32_t y) { return x == y ? 0u : 1u; };
    return *CBitmapImport::FromBytes(test::MakeBmp(layout)).m_bitmap;
}

constexpr const char16_t* kFileName = u"C:\\d.bmp";

TEST(StaticBitmap, ImportPlacesThePictureAtOneDotPerPixelAndPreviewsItsPixels) {
    CStaticBitmap bitmap(Diagonal(), kFileName);
    EXPECT_EQ(bitmap.GetCanvasRect(), (CRect{0, 0, 27, 18}));
    EXPECT_EQ(bitmap.GetPosition(), (CRect{0, 0, 12, 8}));
    bitmap.MoveKeepingSize(CRectObj::ECorner::TopLeft, 100, 50);
    const auto calls = test::DrawCalls(bitmap);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rect, (CRect{100, 50, 127, 68}));
    const CMonoPicture& picture = calls[0].picture;
    ASSERT_EQ(picture.m_nWidth, 12);
    for (std::int32_t y = 0; y < 8; ++y)
        for (std::int32_t x = 0; x < 12; ++x) EXPECT_EQ(picture.IsDot(x, y), x == y) << x << y;
}

TEST(StaticBitmap, BodyKeepsItsOrderAndDamagedSizesPreviewWithinTheDisplay) {
    CStaticBitmap bitmap(Diagonal(), kFileName);
    const test::Bytes bytes = test::StoreBody(bitmap);
    auto read = test::LoadBody<CStaticBitmap>(bytes);
    EXPECT_EQ(test::StoreBody(*read), bytes);
    EXPECT_EQ(test::StoreBody(*read->Clone()), bytes);
    // File name, pixel size, name, byte count, panel bits, stored size, image, bits.
    const std::size_t name = 28 + 4 + 2 * 8;
    EXPECT_EQ(bytes[name], 12);
    EXPECT_EQ(bytes[name + 12], 16);  // byte count: 2 bytes by 8 rows

    test::Bytes damaged = bytes;
    for (std::size_t offset : {name, name + 4, name + 12})  // pixel sizes and byte count
        for (std::size_t i = 0; i < 4; ++i) damaged[offset + i] = i == 3 ? 0x7F : 0xFF;
    const CMonoPicture picture = test::LoadBody<CStaticBitmap>(damaged)->GetPreviewPicture();
    EXPECT_EQ(picture.m_nWidth, CStaticBitmap::kLargestPixelWidth);
    EXPECT_EQ(picture.m_nHeight, CStaticBitmap::kLargestPixelHeight);
    EXPECT_TRUE(picture.IsDot(7, 7));
    EXPECT_FALSE(picture.IsDot(8, 8));  // below the 8 stored rows
}

TEST(StaticBitmapPanel, AppliesOnlyWithShortFieldsAndShowsThePositionInsideTheDisplay) {
    CTaveloDoc doc;
    CAppState state;
    auto& bitmap = static_cast<CStaticBitmap&>(
        doc.AddElement(std::make_unique<CStaticBitmap>(Diagonal(), kFileName)));
    bitmap.MoveKeepingSize(CRectObj::ECorner::TopLeft, 420, 140);
    CStaticBitmapPanelForm panel(state);
    panel.SetObject(&bitmap);
    EXPECT_EQ(panel.GetPositionText(CStaticBitmapPanelForm::Axis::kX), u"180");  // 405 units
    EXPECT_EQ(panel.GetWidthText(), u"12");
    panel.SetPositionText(CStaticBitmapPanelForm::Axis::kX, u"1000");
    EXPECT_EQ(bitmap.GetCanvasRect().left, 405);
    panel.SetPositionText(CStaticBitmapPanelForm::Axis::kX, u"10");
    EXPECT_EQ(bitmap.GetCanvasRect(), (CRect{22, 126, 49, 144}));
}

TEST(DynamicBitmap, IsSixteenDotsWhateverDoubleSizeAndPreviewsByType) {
    CDynamicBitmap bitmap(CRect{10, 10, 10, 10});
    bitmap.SetDoubleSize(1);
    auto calls = test::DrawCalls(bitmap);
    EXPECT_EQ(bitmap.GetPosition(), (CRect{10, 10, 46, 46}));
    EXPECT_EQ(calls.at(0).picture.m_nWidth, 36);
    for (const auto& [type, picture] :
         {std::pair{1, 2003}, {2, 2006}, {3, 2009}, {12, 2012}, {7, 2012}, {0, 248}}) {
        bitmap.SetBitmapType(type);
        EXPECT_EQ(bitmap.GetPicture(), picture) << type;
    }
    EXPECT_EQ(bitmap.Clone(), nullptr);  // left out when a screen is copied
    const test::Bytes bytes = test::StoreBody(bitmap);
    EXPECT_EQ(bytes.size(), 28u + 8 + 1 + 8 * 4 + 24);
    EXPECT_EQ(bytes[28 + 8 + 1 + 12], 1);  // the stored sized flag
    EXPECT_EQ(test::StoreBody(*test::LoadBody<CDynamicBitmap>(bytes)), bytes);
}

TEST(DynamicBitmapPanel, UnitsAreListedInReverseAndTheStationIsKept) {
    CTaveloDoc doc;
    CAppState state;
    state.m_currentPlc =
        test::MakePlc(u"PLC", {test::MakeUnit(u"X", CRegUnitConfig::kBit, 0, 99, 255, 0, 1),
                               test::MakeUnit(u"D", CRegUnitConfig::kByte, 1),
                               test::MakeUnit(u"M", CRegUnitConfig::kByteAndBit, 0, 99, 15, 2, 2)});
    auto& bitmap = static_cast<CDynamicBitmap&>(doc.AddElement(std::make_unique<CDynamicBitmap>()));
    CDynamicBitmapPanelForm panel(state);
    panel.SetObject(&bitmap);
    EXPECT_EQ(panel.GetUnitList(), (std::vector<std::u16string>{u"M", u"X"}));
    EXPECT_EQ(panel.GetUnitSelection(), 1);
    panel.SelectUnit(0);
    panel.SetAddressText(CDynamicBitmapPanelForm::AddressField::kAddress, u"3");
    panel.SetAddressText(CDynamicBitmapPanelForm::AddressField::kBit, u"99");
    panel.SetAddressText(CDynamicBitmapPanelForm::AddressField::kStation, u"9");
    EXPECT_EQ(bitmap.GetAddress().m_nUnitType, 2);
    EXPECT_EQ(bitmap.GetAddress().m_nBit, 15);
    EXPECT_EQ(bitmap.GetAddress().m_nStation, 9);
    EXPECT_EQ(bitmap.GetTypeIndex(), 0);
    EXPECT_EQ(bitmap.GetLinearAddress(), 63);
    panel.SelectLogic(1);
    EXPECT_EQ(bitmap.GetLogic(), 1);
    panel.SetPositionText(CDynamicBitmapPanelForm::Axis::kY, u"100");  // three digits: no apply
    panel.SetPositionText(CDynamicBitmapPanelForm::Axis::kX, u"4");
    EXPECT_EQ(bitmap.GetPoint(CRectObj::ECorner::TopLeft).x, 0);
}

}  // namespace
}  // namespace tavelo

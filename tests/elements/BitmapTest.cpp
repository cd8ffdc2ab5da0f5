#include <gtest/gtest.h>

#include "elements/BitmapImport.h"
#include "elements/ByteText.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicBitmapPanelForm.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticBitmapPanelForm.h"
#include "model/TaveloDoc.h"
#include "support/BmpFiles.h"
#include "support/DrawCalls.h"
#include "support/PlcSamples.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using test::BmpLayout;
using test::Bytes;
using test::MakeBmp;

// A 12 x 8 picture with a dark diagonal from its top-left corner.
CPanelBitmap Diagonal() {
    BmpLayout layout;
    layout.width = 12;
    layout.pixel = [](std::int32_t x, std::int32_t y) { return x == y ? 0u : 1u; };
    return *CBitmapImport::FromBytes(MakeBmp(layout)).m_bitmap;
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

// 12 x 8, white but for the dark pixels (0, 0) and (11, 7).
bool IsCornerDot(std::int32_t x, std::int32_t y) {
    return (x == 0 && y == 0) || (x == 11 && y == 7);
}

BmpLayout CornerDots() {
    BmpLayout layout;
    layout.width = 12;
    layout.pixel = [](std::int32_t x, std::int32_t y) { return IsCornerDot(x, y) ? 0u : 1u; };
    return layout;
}

TEST(ByteText, BytesAreDigitsEachClosedBySeparator) {
    EXPECT_EQ(EncodeByteText(test::B({7, 12, 255, 0})), u"7@12@255@0@");
    EXPECT_EQ(DecodeByteText(u"12@", 10), test::B({12}));
    EXPECT_EQ(DecodeByteText(u"7@34", 10), test::B({7}));         // digits after the last separator
    EXPECT_EQ(DecodeByteText(u"300@x1@", 10), test::B({44, 1}));  // 8 bits; others skipped
    EXPECT_EQ(DecodeByteText(u"1@2@3@", 2), test::B({1, 2}));
}

TEST(BitmapImport, SidesRoundToBytesAndTheDisplayLimitsThem) {
    struct Case {
        std::int32_t width, height, storedWidth, storedHeight;
        bool accepted;
    };
    const Case cases[] = {
        {10, 8, 8, 8, true},     {12, 8, 16, 8, true},    {8, 60, 8, 64, true},
        {8, 66, 8, 64, true},    {8, 68, 8, 72, false},   {195, 8, 192, 8, true},
        {196, 8, 200, 8, false}, {200, 8, 200, 8, false}, {3, 8, 0, 8, false},
    };
    for (const Case& c : cases) {
        BmpLayout layout;
        layout.width = c.width;
        layout.height = c.height;
        const CBitmapImport import = CBitmapImport::FromBytes(MakeBmp(layout));
        ASSERT_EQ(import.m_bitmap.has_value(), c.accepted) << c.width << " x " << c.height;
        if (!c.accepted) {
            const bool tooLarge = c.storedWidth > 192 || c.storedHeight > 64;
            EXPECT_EQ(import.m_strMessage == u"单色位图超出192*64范围", tooLarge);
            continue;
        }
        const CPanelBitmap& bitmap = *import.m_bitmap;
        EXPECT_EQ(bitmap.m_nWidth, c.storedWidth);
        EXPECT_EQ(bitmap.m_nHeight, c.storedHeight);
        EXPECT_EQ(bitmap.m_panelBytes.size(), std::size_t(c.storedWidth * c.storedHeight / 8));
        // Everything white: no dot anywhere, and the padded rows are white too.
        for (std::uint8_t byte : bitmap.m_panelBytes) EXPECT_EQ(byte, 0);
    }
}

TEST(BitmapImport, RowsAndPanelColumnsHoldTheseBytes) {
    const CBitmapImport import = CBitmapImport::FromBytes(MakeBmp(CornerDots()));
    ASSERT_TRUE(import.m_bitmap);
    // Pixels 12 to 15 of each row are set white; row 7 has its dot at pixel 11.
    EXPECT_EQ(import.m_bitmap->GetBitsText(),
              u"127@255@255@255@255@255@255@255@255@255@255@255@255@255@255@239@");
    // Column 0 has the top row's dot in bit 0; column 11 the bottom row's in bit 7.
    EXPECT_EQ(import.m_bitmap->GetPanelBitsText(), u"1@0@0@0@0@0@0@0@0@0@0@128@0@0@0@0@");
    EXPECT_EQ(import.m_bitmap->m_nPixelWidth, 12);
}

// The mends: pixels are light or dark by their colour, whatever the palette order or depth.
// The files hold the corner dots in other encodings (see tests/data/elements/note.txt).
TEST(BitmapImport, EveryEncodingOfAPictureStoresTheSameBytes) {
    const CPanelBitmap expected = *CBitmapImport::FromBytes(MakeBmp(CornerDots())).m_bitmap;
    for (const char* encoding : {"inverted-palette", "top-down", "4-bit", "8-bit-half-grey",
                                 "16-bit", "24-bit", "32-bit-masks"}) {
        const auto file = std::string("corner-dots-") + encoding + ".bmp";
        const CBitmapImport import = CBitmapImport::FromBytes(test::BodyFile(file));
        ASSERT_TRUE(import.m_bitmap)
            << file << ": " << std::string(import.m_strMessage.begin(), import.m_strMessage.end());
        EXPECT_EQ(import.m_bitmap->m_rowBytes, expected.m_rowBytes) << file;
        EXPECT_EQ(import.m_bitmap->m_panelBytes, expected.m_panelBytes) << file;
    }
}

TEST(BitmapImport, DamagedFilesGiveAMessageAndNoPicture) {
    const Bytes valid = MakeBmp(CornerDots());
    auto with = [&](std::size_t offset, std::initializer_list<int> bytes) {
        Bytes file = valid;
        for (int b : bytes) file[offset++] = static_cast<std::uint8_t>(b);
        return file;
    };
    struct Case {
        Bytes file;
        std::u16string message;
    };
    BmpLayout eightBit = CornerDots();
    eightBit.bits = 8;
    eightBit.palette.assign(256, 0xFFFFFF);
    Bytes shortPalette = MakeBmp(eightBit);
    shortPalette.resize(54 + 100);
    const Case cases[] = {
        {Bytes(valid.begin(), valid.begin() + 53), u"too short"},
        {with(0, {'B', 'X'}), u"does not start with BM"},
        {with(14, {12, 0, 0, 0}), u"information header size 12"},
        {with(14, {0xFF, 0xFF, 0, 0}), u"information header size 65535"},
        {with(18, {0, 0, 0, 0}), u"width 0"},
        {with(22, {0, 0, 0, 0x80}), u"height -2147483648"},
        {with(28, {2, 0}), u"2 bits per pixel"},
        {with(30, {1, 0, 0, 0}), u"compression 1"},
        {with(30, {3, 0, 0, 0}), u"compression 3"},  // bit fields need 16 or 32 bits
        {with(18, {0xFF, 0xFF, 0xFF, 0x7F}), u"pixel data of 8 rows of 268435456 bytes"},
        {with(22, {0xFF, 0xFF, 0xFF, 0x7F}), u"pixel data of 2147483647 rows"},
        {Bytes(valid.begin(), valid.end() - 1), u"runs past the end"},
        {shortPalette, u"colour table of 256 entries"},
    };
    for (const Case& c : cases) {
        const CBitmapImport import = CBitmapImport::FromBytes(c.file);
        EXPECT_FALSE(import.m_bitmap);
        EXPECT_NE(import.m_strMessage.find(c.message), std::u16string::npos)
            << std::string(import.m_strMessage.begin(), import.m_strMessage.end());
    }
    for (std::size_t cut = 0; cut < valid.size(); ++cut)
        EXPECT_FALSE(CBitmapImport::FromBytes({valid.data(), cut}).m_bitmap) << cut;
}

TEST(BitmapImport, PixelsStartAtTheHeadersOffsetUnlessItPointsIntoTheHeaders) {
    Bytes gap = MakeBmp(CornerDots());
    gap.insert(gap.begin() + 62, 4, 0xAA);  // four bytes between palette and pixels
    gap[10] = 66;
    const auto expected = CBitmapImport::FromBytes(MakeBmp(CornerDots())).m_bitmap->m_rowBytes;
    EXPECT_EQ(CBitmapImport::FromBytes(gap).m_bitmap->m_rowBytes, expected);
    Bytes intoHeaders = MakeBmp(CornerDots());
    intoHeaders[10] = 20;
    EXPECT_EQ(CBitmapImport::FromBytes(intoHeaders).m_bitmap->m_rowBytes, expected);
}

TEST(BitmapImport, AFileThatCannotBeReadIsNamedInTheMessage) {
    const CBitmapImport import = CBitmapImport::FromFile("/nonexistent/picture.bmp");
    EXPECT_FALSE(import.m_bitmap);
    EXPECT_NE(import.m_strMessage.find(u"picture.bmp"), std::u16string::npos);
}

}  // namespace
}  // namespace tavelo

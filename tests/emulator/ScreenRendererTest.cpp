#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <string>

#include "compiler/SampleProject.h"
#include "emulator/BarGraphPainter.h"
#include "emulator/LcdFrame.h"
#include "emulator/ScreenRenderer.h"
#include "model/FileBytes.h"
#include "render/DeliveredFiles.h"
#include "support/TestData.h"

namespace tavelo {
namespace {

class CValueMap : public IPolledValues {
public:
    std::int64_t Read(const CPollAddress& address) const override {
        const auto found = m_values.find(address);
        return found == m_values.end() ? 0 : found->second;
    }

    std::map<CPollAddress, std::int64_t> m_values;
};

constexpr std::int32_t kStation = 1;
constexpr std::int32_t kBitUnit = 3;

// Compiled with the delivered fonts and key graphics, so frames show real glyphs.
CPanelImage CompileWithDeliveredData(const CTaveloDoc& doc) {
    test::CStripeRasteriser rasteriser;
    const CCompileOutcome outcome =
        CompileDownloadImage(doc, CAppState{}, test::DeliveredDirectory(), rasteriser);
    EXPECT_TRUE(outcome.Succeeded()) << outcome.m_strReason;
    return CPanelImage::Load(outcome.m_image.value_or(CDownloadImage{}).m_bytes);
}

CStaticText& PlaceLookedText(CTaveloDoc& doc, bool inverse, bool doubleSize) {
    CStaticText& text = test::PlaceText(doc, u"Ab温", 1, 3, 5);
    text.SetInverse(inverse);
    text.SetDoubleSize(doubleSize);
    return text;
}

// Visible keys with and without the hand, and a hidden key that shows nothing.
void PlaceKeys(CTaveloDoc& doc, bool inverse, bool doubleSize) {
    struct CKey {
        std::int32_t m_nIndex, m_nX;
        bool m_bHand, m_bHidden;
    };
    for (const CKey& key :
         {CKey{0, 10, true, false}, CKey{4, 90, false, false}, CKey{5, 140, true, true}}) {
        CFunctionKey& element = test::Place(doc, std::make_unique<CFunctionKey>(), 1, key.m_nX, 10);
        element.SetKey(key.m_nIndex);
        element.SetLook(key.m_bHand, key.m_bHidden, false);
        element.SetInverse(inverse);
        element.SetDoubleSize(doubleSize);
    }
}

// Round and square lamps of either logic with the coil off and on, and a double-size one.
void PlaceLamps(CTaveloDoc& doc, CValueMap& values) {
    std::int32_t place = 0;
    for (std::int32_t shape : {CIndicator::kRound, CIndicator::kSquare})
        for (std::int32_t logic : {CIndicator::kPositive, CIndicator::kNegative})
            for (bool on : {false, true}) {
                CIndicator& lamp =
                    test::Place(doc, std::make_unique<CIndicator>(), 1, 20 * place, 4);
                lamp.SetLampShape(shape);
                lamp.SetLogic(logic);
                lamp.SetAddress(test::MakeAddress(kStation, kBitUnit, 0));
                lamp.SetLinearAddress(place);
                values.m_values[{kStation, kBitUnit, place++}] = on;
            }
    CIndicator& big = test::Place(doc, std::make_unique<CIndicator>(), 1, 0, 28);
    big.SetDoubleSize(true);
    big.SetAddress(test::MakeAddress(kStation, kBitUnit, 0));
    big.SetLinearAddress(1);
}

// A 16 x 16 "Z": the top and bottom rows and the diagonal between them.
void PlaceBitmap(CTaveloDoc& doc) {
    std::vector<std::uint8_t> bands(32);
    for (std::size_t column = 0; column < 16; ++column) {
        const auto diagonal = static_cast<std::uint8_t>(0x80 >> (column % 8));
        bands[column] = static_cast<std::uint8_t>(0x01 | (column >= 8 ? diagonal : 0));
        bands[16 + column] = static_cast<std::uint8_t>(0x80 | (column < 8 ? diagonal : 0));
    }
    test::Place(doc, std::make_unique<CStaticBitmap>(test::MakePicture(16, 16, bands), u"z.bmp"), 1,
                100, 30);
}

// The row of the polled value, plain, inverse over the widest row, double size (-1 standing
// for 65535), and a value that no row holds.
void PlaceStateTexts(CTaveloDoc& doc, CValueMap& values) {
    constexpr std::int32_t kWordUnit = 1;
    struct CState {
        std::int32_t m_nX, m_nY, m_nValue;
        bool m_bInverse, m_bDoubleSize;
    };
    std::int32_t address = 0;
    for (const CState& state :
         {CState{0, 0, 1, false, false}, CState{0, 18, 0, true, false},
          CState{0, 32, 65535, false, true}, CState{120, 0, 7, false, false}}) {
        auto texts = std::make_unique<CDynamicText>();
        texts->GetTextList() = {u"停止", u"Run", u"Fault"};
        texts->GetValueList() = {u"0", u"1", u"-1"};
        texts->FindWidestText();
        texts->SetInverse(state.m_bInverse);
        texts->SetDoubleSize(state.m_bDoubleSize);
        texts->GetAddress() = test::MakeAddress(kStation, kWordUnit, 0, 1, 2);
        texts->SetLinearAddress(address);
        test::Place(doc, std::move(texts), 1, state.m_nX, state.m_nY);
        values.m_values[{kStation, kWordUnit, address++}] = state.m_nValue;
    }
}

// Half up, full down, a quarter to the left, over and under range to the right, and a signed
// bar at -50 of -100..100.
void PlaceBars(CTaveloDoc& doc, CValueMap& values) {
    constexpr std::int32_t kWordUnit = 1;
    struct CBar {
        std::int32_t m_nX, m_nY, m_nDirection, m_nZero, m_nValue;
        bool m_bSigned;
    };
    std::int32_t address = 0;
    for (const CBar& bar :
         {CBar{0, 0, CTrendBar::kUp, 0, 50, false}, CBar{20, 0, CTrendBar::kDown, 0, 100, false},
          CBar{40, 0, CTrendBar::kLeft, 0, 25, false},
          CBar{40, 20, CTrendBar::kRight, 0, 200, false},
          CBar{40, 40, CTrendBar::kRight, 10, 0, false},
          CBar{100, 0, CTrendBar::kUp, -100, 0xFFCE, true}}) {
        CTrendBar& element = test::Place(doc, std::make_unique<CTrendBar>(CTrendBar::kBarGraph), 1,
                                         bar.m_nX, bar.m_nY);
        element.SetDirection(bar.m_nDirection);
        const bool across =
            bar.m_nDirection == CTrendBar::kLeft || bar.m_nDirection == CTrendBar::kRight;
        element.SetSize(across ? 16 : 48, across ? 48 : 16);
        element.SetScales(100, bar.m_nZero);
        element.SetSigned(bar.m_bSigned);
        element.SetAddress(test::MakeAddress(kStation, kWordUnit, 0, 1, 2));
        element.SetLinearAddress(address);
        values.m_values[{kStation, kWordUnit, address++}] = bar.m_nValue;
    }
}

struct CFrameCase {
    const char* m_pszName;
    std::function<void(CTaveloDoc&, CValueMap&)> m_fill;
};

const CFrameCase kFrameCases[] = {
    {"static-text-plain", [](CTaveloDoc& doc, CValueMap&) { PlaceLookedText(doc, false, false); }},
    {"static-text-inverse", [](CTaveloDoc& doc, CValueMap&) { PlaceLookedText(doc, true, false); }},
    {"static-text-double", [](CTaveloDoc& doc, CValueMap&) { PlaceLookedText(doc, false, true); }},
    {"static-text-vector",
     [](CTaveloDoc& doc, CValueMap&) {
         CStaticText& text = PlaceLookedText(doc, false, false);
         text.SetVector(true);
         text.SetFontSize(16);
     }},
    {"static-bitmap", [](CTaveloDoc& doc, CValueMap&) { PlaceBitmap(doc); }},
    {"function-key-plain", [](CTaveloDoc& doc, CValueMap&) { PlaceKeys(doc, false, false); }},
    {"function-key-inverse", [](CTaveloDoc& doc, CValueMap&) { PlaceKeys(doc, true, false); }},
    {"function-key-double", [](CTaveloDoc& doc, CValueMap&) { PlaceKeys(doc, false, true); }},
    {"indicator", PlaceLamps},
    {"dynamic-text", PlaceStateTexts},
    {"bar-graph", PlaceBars},
};

void PrintTo(const CFrameCase& frameCase, std::ostream* out) {
    *out << frameCase.m_pszName;
}

class GoldenFrame : public ::testing::TestWithParam<CFrameCase> {};

// With TAVELO_UPDATE_GOLDEN=1 the frames are written anew instead of compared.
TEST_P(GoldenFrame, ScreenDrawsItsFrame) {
    CTaveloDoc doc;
    test::AddScreen(doc, 1);
    CValueMap values;
    GetParam().m_fill(doc, values);
    const CPanelImage image = CompileWithDeliveredData(doc);
    ASSERT_TRUE(image.IsLoaded()) << image.GetError();
    CLcdFrame frame;
    ASSERT_TRUE(CScreenRenderer(image).Render(1, values, frame));
    const auto path = test::TestDataPath(std::string("emulator/") + GetParam().m_pszName + ".txt");
    const std::string art = frame.ToTextArt();
    if (const char* update = std::getenv("TAVELO_UPDATE_GOLDEN");
        update && update == std::string("1"))
        WriteFileAtomically(path, std::vector<std::uint8_t>(art.begin(), art.end()));
    const std::vector<std::uint8_t> expected = ReadFileBytes(path);
    EXPECT_EQ(art, std::string(expected.begin(), expected.end()));
}

INSTANTIATE_TEST_SUITE_P(Emulator, GoldenFrame, ::testing::ValuesIn(kFrameCases),
                         [](const auto& info) {
                             std::string name = info.param.m_pszName;
                             std::erase(name, '-');
                             return name;
                         });

TEST(BarGraphPainter, InterpretsTheRegisterAsItsFormatSays) {
    constexpr std::int64_t kSignedDecimal = 0x30, kDecimal = 0x20, kHexBcd = 0, kFloat = 0xB0;
    const struct {
        std::int64_t m_nContents, m_nBytes, m_nAttributes;
        double m_dValue;
    } cases[] = {
        {0xFFCE, 2, kSignedDecimal, -50},    {0xFFCE, 2, kDecimal, 65486},
        {0x1FFCE, 2, kHexBcd, 65486},        {0x80, 1, kSignedDecimal, -128},
        {0xFFFFFFFF, 4, kSignedDecimal, -1}, {0x42C80000, 4, kFloat, 100},
    };
    for (const auto& row : cases)
        EXPECT_EQ(CBarGraphPainter::Interpret(row.m_nContents, row.m_nBytes, row.m_nAttributes),
                  row.m_dValue)
            << row.m_nContents;
    EXPECT_TRUE(std::isnan(CBarGraphPainter::Interpret(0x42C80000, 2, kFloat)));
}

class DamagedImage : public ::testing::Test {
protected:
    DamagedImage() {
        test::FillWithEveryKind(doc);
        test::CStripeRasteriser rasteriser;
        CCompileOutcome outcome =
            CompileDownloadImage(doc, CAppState{}, test::DeliveredDirectory(), rasteriser);
        EXPECT_TRUE(outcome.Succeeded()) << outcome.m_strReason;
        m_bytes = outcome.m_image.value_or(CDownloadImage{}).m_bytes;
    }

    CTaveloDoc doc;
    std::vector<std::uint8_t> m_bytes;
};

TEST_F(DamagedImage, IsRefusedWithTheReadersMessage) {
    std::vector<std::uint8_t> shortened(m_bytes.begin(), m_bytes.begin() + 20);
    std::vector<std::uint8_t> misplaced = m_bytes;
    misplaced[5] = 38;  // the wide glyphs said to start at 38
    for (const auto& [bytes, message] :
         {std::pair{shortened, std::string("the image holds 20 bytes, fewer than its header and "
                                           "system block")},
          std::pair{misplaced, std::string("the wide glyphs are said to start at 38, not 37 "
                                           "(byte 4)")}}) {
        const CPanelImage image = CPanelImage::Load(bytes);
        EXPECT_EQ(image.GetError(), message);
        CLcdFrame frame;
        frame.Set(0, 0, true);
        EXPECT_FALSE(CScreenRenderer(image).Render(1, CValueMap{}, frame));
        EXPECT_EQ(frame, CLcdFrame{});
    }
}

// Whatever the damage, loading and drawing every screen ends normally, and an image that loads
// draws each of its screens.
TEST_F(DamagedImage, NeverBreaksTheRenderer) {
    std::mt19937 random(20);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> bytes = m_bytes;
        for (int hit = 0; hit < 1 + round % 4; ++hit)
            bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
        const CPanelImage image = CPanelImage::Load(bytes);
        CLcdFrame frame;
        for (const CImageScreen& screen : image.GetContents().m_screens)
            EXPECT_EQ(
                CScreenRenderer(image).Render(screen.m_entry.Value("number"), CValueMap{}, frame),
                image.IsLoaded());
    }
}

}  // namespace
}  // namespace tavelo

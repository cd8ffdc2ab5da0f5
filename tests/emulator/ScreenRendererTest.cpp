#include <gtest/gtest.h>

#include <random>
#include <string>

#include "FrameTestSupport.h"
#include "emulator/ScreenRenderer.h"
#include "emulator/TrendHistory.h"

namespace tavelo {
namespace {

using test::CompileWithDeliveredData;
using test::CValueMap;
using test::Values;

// A key with the hand and a dynamic text on D0 showing the row of 1, plain on the top line,
// inverse on the next and double size below.
void PlaceLooks(CTaveloDoc& doc) {
    for (std::int32_t line = 0; line < 3; ++line) {
        CFunctionKey& key = test::Place(doc, std::make_unique<CFunctionKey>(), 1, 0, 16 * line);
        auto texts = std::make_unique<CDynamicText>();
        texts->GetTextList() = {u"停止", u"Run"};
        texts->GetValueList() = {u"0", u"1"};
        texts->FindWidestText();
        texts->GetAddress() = test::MakeAddress(1, 1, 0, 1, 2);
        CDynamicText& text = test::Place(doc, std::move(texts), 1, 80, 16 * line);
        for (CGraphObj* element : {static_cast<CGraphObj*>(&key), static_cast<CGraphObj*>(&text)}) {
            element->SetInverse(line == 1);
            element->SetDoubleSize(line == 2);
        }
    }
}

// A case is a stored project (tests/data/image-NAME) or, without one, the looks built above.
struct CFrameCase {
    const char* m_pszName;
    const char* m_pszProject;
    Values m_values;
};

const CFrameCase kFrameCases[] = {
    {"static-text", "image-static-text", {}},
    {"vector-text", "image-vector-text", {}},
    {"static-bitmap", "image-static-bitmap", {}},
    {"function-key", "image-function-key", {}},
    {"looks", nullptr, {{{1, 1, 0}, 1}}},
    // Round lamps on, square lamps off, of either logic; the double one on.
    {"indicator", "image-indicator", {{{1, 3, 0}, 1}, {{1, 3, 20}, 1}}},
    // 开 for 1; 低 for 0xFFFE, the row of -2.
    {"dynamic-text", "image-dynamic-text", {{{1, 1, 100}, 1}, {{1, 2, 7}, 0xFFFE}}},
    // Half up, a quarter of -500..500 down for -250, full left, over range right.
    {"bar-graph",
     "image-trend-bar",
     {{{1, 1, 20}, 250}, {{1, 1, 21}, 0xFF06}, {{1, 1, 22}, 500}, {{1, 1, 23}, 600}}},
};

class GoldenFrame : public ::testing::TestWithParam<CFrameCase> {};

TEST_P(GoldenFrame, ScreenOneDrawsItsFrame) {
    CPanelImage image;
    if (GetParam().m_pszProject) {
        image = test::LoadStoredProject(GetParam().m_pszProject);
    } else {
        CTaveloDoc doc;
        test::AddScreen(doc, 1);
        PlaceLooks(doc);
        image = CPanelImage::Load(CompileWithDeliveredData(doc, CAppState{}));
    }
    ASSERT_TRUE(image.IsLoaded()) << image.GetError();
    CLcdFrame frame;
    ASSERT_TRUE(CScreenRenderer(image).Render(1, CValueMap(GetParam().m_values), frame));
    test::ExpectGoldenFrame(frame, GetParam().m_pszName);
}

INSTANTIATE_TEST_SUITE_P(Emulator, GoldenFrame, ::testing::ValuesIn(kFrameCases),
                         [](const auto& info) {
                             std::string name = info.param.m_pszName;
                             std::erase(name, '-');
                             return name;
                         });

std::vector<std::uint8_t> SampleImage() {
    CTaveloDoc doc;
    test::FillWithEveryKind(doc);
    return CompileWithDeliveredData(doc, CAppState{});
}

// Damage that the reader finds refuses the image with its message and draws nothing; whatever
// the damage, loading and drawing end normally, and an image that loads draws all its screens.
TEST(DamagedImage, IsRefusedWithTheReadersMessageAndNeverBreaksTheRenderer) {
    const std::vector<std::uint8_t> sample = SampleImage();
    std::vector<std::uint8_t> misplaced = sample;
    misplaced[5] = 38;
    for (const auto& [bytes, message] :
         {std::pair{std::vector<std::uint8_t>(sample.begin(), sample.begin() + 20),
                    "the image holds 20 bytes, fewer than its header and system block"},
          std::pair{misplaced, "the wide glyphs are said to start at 38, not 37 (byte 4)"}}) {
        const CPanelImage image = CPanelImage::Load(bytes);
        EXPECT_EQ(image.GetError(), message);
        CLcdFrame frame;
        frame.Set(0, 0, true);
        EXPECT_FALSE(CScreenRenderer(image).Render(1, CValueMap{}, frame));
        EXPECT_EQ(frame, CLcdFrame{});
    }
    const CBuiltInDigits digits = test::DeliveredDigits();
    std::mt19937 random(20);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> bytes = sample;
        for (int hit = 0; hit < 1 + round % 4; ++hit)
            bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
        const CPanelImage image = CPanelImage::Load(bytes);
        const CValueMap values({{{1, 1, 100}, 1}});
        CTrendHistory trends(image);
        for (const auto now : {std::chrono::hours(0), std::chrono::hours(1000)})
            trends.Sample(now, values);
        CLcdFrame frame;
        for (const CImageScreen& screen : image.GetContents().m_screens)
            EXPECT_EQ(CScreenRenderer(image, digits)
                          .Render(screen.m_entry.Value("number"), values, frame, &trends),
                      image.IsLoaded());
    }
}

}  // namespace
}  // namespace tavelo

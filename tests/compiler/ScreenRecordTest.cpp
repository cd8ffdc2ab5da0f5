#include <gtest/gtest.h>

#include <functional>

#include "CompilerFixtures.h"
#include "SampleProject.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;
using test::Be16;
using test::Concat;

using ScreenRecords = test::CCompilerTest;

TEST_F(ScreenRecords, OfTwoSettableRegistersAtOnePlaceTheOneAddedLaterGoesFirst) {
    for (std::int32_t digits : {1, 2}) {
        auto reg = std::make_unique<CRegister>();
        reg->SetSettable(true);
        reg->SetDigits(digits, 0);
        test::Place(doc, std::move(reg), 1, 4, 20);
    }
    const std::vector<test::CRecordBytes> records = test::RecordsOf(CompileOk(), 0);
    EXPECT_EQ(records.at(0).m_bytes[3], 2);
    EXPECT_EQ(records.at(1).m_bytes[3], 1);
}

TEST_F(ScreenRecords, APlainRegisterStillNamesTheFirstRegisterRecord) {
    test::Place(doc, std::make_unique<CRegister>(), 1);
    const CDownloadImage image = CompileOk();
    EXPECT_EQ(test::Slice(test::ScreenEntry(image, 0), 15, 4),
              Concat({B({0, 0}), Be16(test::RecordsOf(image, 0)[0].m_nOffset)}));
}

TEST_F(ScreenRecords, ElementsOfMissingScreensLendTheirGlyphsButGetNoRecord) {
    test::PlaceText(doc, u"文", 9);
    const CDownloadImage image = CompileOk();
    EXPECT_EQ(image.m_layout.m_nWideCount, 1u);
    EXPECT_TRUE(test::RecordsOf(image, 0).empty());
}

CDynamicText& PlaceStates(CTaveloDoc& doc, std::vector<std::u16string> texts) {
    auto states = std::make_unique<CDynamicText>();
    states->GetValueList().assign(texts.size(), u"1");
    states->GetTextList() = std::move(texts);
    return test::Place(doc, std::move(states), 3, 8, 16);
}

TEST_F(ScreenRecords, CountsBeyondTheirByteAreRefusedNamingWhatWhereAndTheLimit) {
    const std::u16string bytes256(256, u'a');
    const std::pair<std::function<void(CTaveloDoc&)>, std::u16string> cases[] = {
        {[](CTaveloDoc& d) {
             for (int i = 0; i < 256; ++i) test::PlaceText(d, u"", 3);
         },
         u"画面 3 有 256 个元件，最多 255 个"},
        {[&](CTaveloDoc& d) { test::PlaceText(d, bytes256, 3, 8, 16); },
         u"画面 3 位于 (8, 16) 的静态文本有 256 个编码字节，最多 255 个"},
        {[](CTaveloDoc& d) { PlaceStates(d, std::vector<std::u16string>(256, u"x")); },
         u"画面 3 位于 (8, 16) 的动态文本有 256 行，最多 255 行"},
        {[&](CTaveloDoc& d) {
             PlaceStates(d, {u"x", bytes256});
         },
         u"画面 3 位于 (8, 16) 的动态文本第 2 行有 256 个编码字节，最多 255 个"},
        {[](CTaveloDoc& d) { d.GetAlarms().m_texts.assign(256, u"x"); },
         u"报警列表有 256 条报警，最多 255 条"},
        {[&](CTaveloDoc& d) {
             d.GetAlarms().m_texts = {u"", bytes256};
         },
         u"第 2 条报警有 256 个编码字节，最多 255 个"},
        {[](CTaveloDoc& d) {
             test::Place(d,
                         std::make_unique<CStaticBitmap>(
                             test::MakePicture(256, 8, std::vector<std::uint8_t>(256)), u"w.bmp"),
                         3);
         },
         u"画面 3 的静态位图有 256 × 8 点，每边最多 255 点"},
    };
    for (const auto& [overfill, message] : cases) {
        CTaveloDoc crowded;
        test::AddScreen(crowded, 1);
        test::AddScreen(crowded, 3);
        overfill(crowded);
        const CCompileOutcome outcome = test::Compile(crowded, state, data);
        EXPECT_FALSE(outcome.Succeeded());
        EXPECT_EQ(outcome.m_messages, std::vector<std::u16string>{message}) << outcome.m_strReason;
    }
}

}  // namespace
}  // namespace tavelo

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <set>

#include "CompilerFixtures.h"
#include "compiler/CompilerMessages.h"
#include "render/GlyphError.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
using test::Concat;

using ImageCompiler = test::CCompilerTest;

TEST_F(ImageCompiler, OneEmptyScreenMakesTheSmallestImage) {
    const CDownloadImage image = CompileOk();
    ASSERT_EQ(image.m_bytes.size(), 512u);
    EXPECT_EQ(image.GetLength(), 222u);
    EXPECT_EQ(image.GetBlockCount(), 4u);
    // Header: screen table 197, alarm index 222, wide glyphs 37, narrow glyphs 197.
    EXPECT_EQ(test::Slice(image.m_bytes, 0, 8), B({0, 197, 0, 222, 0, 37, 0, 197}));
    // The five fixed graphics, records 65, 66, 68, 69 and 71 of GRAPH.DAT.
    EXPECT_EQ(test::Slice(image.m_bytes, 37, 160),
              Concat({Bytes(32, 65), Bytes(32, 66), Bytes(32, 68), Bytes(32, 69), Bytes(32, 71)}));
    // Screen 1, no elements, up 1, down 2, its (empty) index at 222, no tables.
    EXPECT_EQ(test::Slice(image.m_bytes, 197, 25),
              B({0, 1, 0, 0, 1, 0, 2, 0, 222, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(test::Slice(image.m_bytes, 222, 290), Bytes(290, 0xFF));
}

TEST_F(ImageCompiler, TextCodesNameNarrowAndWidePositions) {
    test::PlaceText(doc, u"A文", 1, 8, 4);
    test::PlaceText(doc, u"", 1, 0, 40);
    doc.GetAlarms().m_texts = {u"", u"文 A"};
    const CDownloadImage image = CompileOk();
    const CImageLayout& layout = image.m_layout;
    // Wide: 文 and five graphics; narrow: the space and 'A'.
    EXPECT_EQ(layout[EImageArea::NarrowGlyphs].m_nOffset, 37u + 32 * 6);
    EXPECT_EQ(test::Slice(image.m_bytes, 37, 8), B({0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
    EXPECT_EQ(test::Slice(image.m_bytes, 37 + 32 * 6, 32),
              Concat({test::SyntheticNarrowGlyph(' '), test::SyntheticNarrowGlyph('A')}));
    const std::size_t records = layout[EImageArea::ElementRecords].m_nOffset;
    // The empty text still takes a record of its own; both are static texts of kind 1.
    EXPECT_EQ(test::Slice(image.m_bytes, layout[EImageArea::ElementIndex].m_nOffset, 8),
              Concat({B({1}), test::Be16(records), B({7, 1}), test::Be16(records + 7), B({4})}));
    EXPECT_EQ(test::Slice(image.m_bytes, records, 11), B({8, 4, 0, 3, 1, 0xF0, 0, 0, 40, 0, 0}));
    // One alarm: its text "文 A" at the index's end, 4 code bytes.
    const std::size_t alarms = layout[EImageArea::AlarmIndex].m_nOffset;
    EXPECT_EQ(test::Get16(image.m_bytes, 2), alarms);
    EXPECT_EQ(test::Slice(image.m_bytes, alarms, 7),
              Concat({test::Be16(alarms + 3), B({4, 0xF0, 0, 0, 1})}));
    EXPECT_EQ(image.GetLength(), alarms + 7);
}

TEST_F(ImageCompiler, AreasFollowOneAnotherWithoutGaps) {
    test::PlaceText(doc, u"文字 text", 1);
    doc.GetAlarms().m_texts = {u"alarm"};
    const CDownloadImage image = CompileOk();
    std::set<std::string_view> names;
    std::size_t end = 0;
    for (std::size_t area = 0; area < kImageAreaCount; ++area) {
        EXPECT_EQ(image.m_layout.m_areas[area].m_nOffset, end) << area;
        end = image.m_layout.m_areas[area].End();
        names.insert(ImageAreaName(static_cast<EImageArea>(area)));
    }
    EXPECT_EQ(end, image.m_bytes.size());
    EXPECT_EQ(names.size(), kImageAreaCount);
}

// Distinct wide characters, count of them from the first.
std::u16string WideCharacters(std::size_t first, std::size_t count) {
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i) text += static_cast<char16_t>(0x4E00 + first + i);
    return text;
}

TEST_F(ImageCompiler, TakesImagesUpTo66UnitsAndRefusesOneByteMore) {
    test::PlaceText(doc, u"A", 1);
    std::size_t length = CompileOk().GetLength();
    // Each text of c new wide characters adds 34 c + 8 bytes; stop within a filler's reach.
    for (std::size_t used = 0; length < kMaxImageSize - 200;) {
        const std::size_t count =
            std::clamp<std::size_t>((kMaxImageSize - 100 - length - 8) / 34, 1, 100);
        test::PlaceText(doc, WideCharacters(used, count), 1);
        used += count;
        length = CompileOk().GetLength();
    }
    ASSERT_LE(length, kMaxImageSize - 8);
    CStaticText& filler = test::PlaceText(doc, std::u16string(kMaxImageSize - 8 - length, u'A'), 1);
    const CDownloadImage full = CompileOk();
    EXPECT_EQ(full.GetLength(), kMaxImageSize);
    EXPECT_EQ(full.m_bytes.size(), kMaxImageSize);
    EXPECT_EQ(full.GetBlockCount(), 264u);

    filler.SetText(filler.GetText() + u"A");
    const CCompileOutcome outcome = test::Compile(doc, state, data);
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_EQ(outcome.m_messages, std::vector<std::u16string>{compiler_messages::kImageTooLarge});
}

// Throws what it is given instead of drawing.
template <class Failure>
class CFailingRasteriser : public CGlyphRasteriser {
public:
    explicit CFailingRasteriser(Failure failure) : m_failure(std::move(failure)) {}
    CGlyphCoverage Render(char16_t, const std::u16string&, std::int32_t) override {
        throw m_failure;
    }
    Failure m_failure;
};

TEST_F(ImageCompiler, FailuresReportTheirMessagesInTheOrderShown) {
    using Messages = std::vector<std::u16string>;
    const Messages noMessage;
    struct Case {
        const char* missingFile;
        std::int32_t initialScreen;
        Messages messages;
    };
    const Case cases[] = {
        {"hanzi.DAT", 1, {u"无法打开字库文件", compiler_messages::kDataOrganisation}},
        {"ASCII.DAT", 1, {u"无法打开字库文件"}},
        {"GRAPH.DAT", 1, {compiler_messages::kCannotOpenGraphics}},
        {nullptr, 2, {compiler_messages::kInitialScreenMissing}},
    };
    test::PlaceText(doc, u"文字", 1);
    for (const Case& c : cases) {
        test::CSyntheticDataDir files;
        if (c.missingFile) files.Remove(c.missingFile);
        doc.GetSystemSettings().m_nInitialScreen = c.initialScreen;
        const CCompileOutcome outcome = test::Compile(doc, state, files);
        EXPECT_FALSE(outcome.Succeeded());
        EXPECT_EQ(outcome.m_messages, c.messages) << outcome.m_strReason;
        EXPECT_FALSE(outcome.m_strReason.empty());
    }
}

TEST_F(ImageCompiler, VectorGlyphFailuresCloseWithoutMessageAndMemoryShortageSaysError) {
    test::PlaceText(doc, u"V", 1).SetVector(true);
    CFailingRasteriser<CGlyphError> missingFace(CGlyphError({}, "no face 宋体"));
    CCompileOutcome outcome = CompileDownloadImage(doc, state, data.Path(), missingFace);
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_TRUE(outcome.m_messages.empty());
    EXPECT_EQ(outcome.m_strReason, "no face 宋体");

    CFailingRasteriser<std::bad_alloc> exhausted{std::bad_alloc()};
    outcome = CompileDownloadImage(doc, state, data.Path(), exhausted);
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_EQ(outcome.m_messages, std::vector<std::u16string>{compiler_messages::kOutOfMemory});
}

}  // namespace
}  // namespace tavelo

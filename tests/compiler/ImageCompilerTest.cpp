#include <gtest/gtest.h>

#include <algorithm>
#include <new>

#include "CompilerFixtures.h"
#include "compiler/CompilerMessages.h"
#include "render/GlyphError.h"

namespace tavelo {
namespace {

using ImageCompiler = test::CCompilerTest;

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

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "CompilerFixtures.h"
#include "SampleProject.h"
#include "compiler/GlyphCatalogue.h"
#include "compiler/ImageReader.h"
#include "model/TextCodec.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::Bytes;

std::string Violations(const CImageContents& contents) {
    std::string text = contents.m_strError;
    for (const CImageViolation& violation : contents.m_violations)
        text += "\n" + std::to_string(violation.m_nOffset) + ": " + violation.m_strText;
    return text;
}

class ImageReader : public ::testing::Test {
protected:
    ImageReader() {
        test::FillWithEveryKind(doc);
        CCompileOutcome outcome = test::Compile(doc, state, data);
        EXPECT_TRUE(outcome.Succeeded()) << outcome.m_strReason;
        image = outcome.m_image.value_or(CDownloadImage{}).m_bytes;
    }

    CTaveloDoc doc;
    CAppState state;
    test::CSyntheticDataDir data;
    Bytes image;
};

TEST_F(ImageReader, DecodesACompiledImageWithoutViolations) {
    const CGlyphCatalogue glyphs = CGlyphCatalogue::Load(data.Path());
    const CImageContents contents = CImageReader::Read(image, &glyphs);
    EXPECT_TRUE(contents.IsConsistent()) << Violations(contents);
    ASSERT_EQ(contents.m_screens.size(), 2u);
    const CImageScreen& first = contents.m_screens[0];
    // The settable register leads; the rest follow by kind.
    std::vector<std::string> kinds;
    for (const CImageRecord& record : first.m_elements) kinds.push_back(record.m_strKind);
    EXPECT_EQ(kinds, (std::vector<std::string>{
                         "register", "staticText", "functionKey", "staticBitmap", "register",
                         "indicator", "trendGraph", "barGraph", "dynamicText", "dynamicBitmap"}));
    EXPECT_EQ(first.m_elements[1].Find("text")->m_strText, u"Tank 温度");
    EXPECT_EQ(first.m_elements[0].Value("x"), 64);
    EXPECT_EQ(first.m_elements[8].Find("rows[0].text")->m_strText, u"停止");
    EXPECT_EQ(first.m_elements[8].Value("rows[1].value"), 1);
    EXPECT_EQ(first.m_keyEntries.size(), 1u);
    EXPECT_EQ(first.m_pollEntries.size(), 5u);
    // Vector glyphs are not characters of the fonts.
    EXPECT_EQ(contents.m_screens[1].m_elements[0].Find("text")->m_strText, u"{v5}{v6}{v7}");
    ASSERT_EQ(contents.m_alarms.size(), 2u);
    EXPECT_EQ(contents.m_alarms[1].Find("text")->m_strText, u"Pump fault");
    EXPECT_EQ(contents.m_systemBlock.Value("alarms"), 2);
    // Graphics are recognised by their GRAPH.DAT records.
    EXPECT_EQ(contents.m_wideGlyphs[8].m_eKind, CImageGlyph::EKind::Graphic);
    EXPECT_EQ(contents.m_wideGlyphs[8].m_nGraphic, 65);
}

TEST_F(ImageReader, PassesTheCompilersImagesOfOddPictures) {
    struct Case {
        const char* what;
        bool placedFirst;
        std::int32_t screen, width, height;
        const char16_t* file;
    };
    const Case cases[] = {
        // The compiler gathers every element's picture, shown or not: this one opens the
        // bitmap area, 8 bytes where the reader looks for glyphs.
        {"picture on a missing screen", true, 7, 8, 8, u"h.bmp"},
        // The file changed between two imports: the record's sides must describe its data.
        {"file name again with larger sides", false, 1, 160, 8, u"logo.bmp"},
    };
    for (const Case& c : cases) {
        CTaveloDoc odd;
        const auto place = [&] {
            const Bytes bits(static_cast<std::size_t>(c.width * c.height / 8), 1);
            test::Place(
                odd,
                std::make_unique<CStaticBitmap>(test::MakePicture(c.width, c.height, bits), c.file),
                c.screen, 100, 40);
        };
        if (c.placedFirst) place();
        test::FillWithEveryKind(odd);
        if (!c.placedFirst) place();
        const CCompileOutcome outcome = test::Compile(odd, state, data);
        ASSERT_TRUE(outcome.Succeeded()) << c.what << ": " << outcome.m_strReason;
        const CImageContents contents = CImageReader::Read(outcome.m_image->m_bytes);
        EXPECT_TRUE(contents.IsConsistent()) << c.what << Violations(contents);
        EXPECT_EQ(contents.m_narrowGlyphs.size(), 13u) << c.what;
    }
}

TEST_F(ImageReader, WithoutFontsTextsNameTheirGlyphs) {
    const CImageContents contents = CImageReader::Read(image);
    EXPECT_TRUE(contents.IsConsistent()) << Violations(contents);
    // Narrow glyphs: space P R T a f k l m n p t u.
    EXPECT_EQ(contents.m_alarms[1].Find("text")->m_strText,
              FromUtf8("{n1}{n12}{n8}{n10}{n0}{n5}{n4}{n12}{n7}{n11}"));
}

TEST_F(ImageReader, FindsEveryKindOfDamage) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
    };
    const std::size_t table = test::Get16(image, 0);
    const std::size_t firstIndex = test::Get16(image, table + 7);
    const Case cases[] = {
        {"index size", [&](Bytes& b) { b[firstIndex + 3] ^= 1; }},
        {"record offset", [&](Bytes& b) { b[firstIndex + 2] += 1; }},
        {"screen flags", [&](Bytes& b) { b[table + 15] = 0; }},
        {"screen order", [&](Bytes& b) { b[table + 25 + 1] = 1; }},
        {"key count", [&](Bytes& b) { b[table + 9] = 2; }},
        {"poll entry",
         [&](Bytes& b) {
             const std::size_t poll = test::Get16(b, table + 13);
             b[poll + 8] += 1;
         }},
        {"padding", [&](Bytes& b) { b.back() = 0; }},
        {"length", [&](Bytes& b) { b.push_back(0xFF); }},
        {"initial screen", [&](Bytes& b) { b[8 + 10] = 9; }},
        {"alarm index", [&](Bytes& b) { b[3] += 3; }},
        {"alarm count", [&](Bytes& b) { b[8 + 2] = 3; }},
        {"wide offset", [&](Bytes& b) { b[5] = 38; }},
        {"dynamic text rows",
         [&](Bytes& b) {
             const std::size_t record = test::RecordsOf(CDownloadImage{b, {}}, 0).at(8).m_nOffset;
             b[record + 6] += 1;
         }},
    };
    for (const Case& c : cases) {
        Bytes damaged = image;
        c.damage(damaged);
        const CImageContents contents = CImageReader::Read(damaged);
        EXPECT_FALSE(contents.m_violations.empty()) << c.what;
        EXPECT_TRUE(contents.m_strError.empty()) << c.what << ": " << contents.m_strError;
    }
}

TEST_F(ImageReader, RefusesImagesItCannotWalk) {
    const std::function<void(Bytes&)> damages[] = {
        [](Bytes& b) { b.resize(36); },
        [](Bytes& b) { b.clear(); },
        [](Bytes& b) { b[6] = 0xFF; },  // narrow glyphs past the end
        [](Bytes& b) {
            b[0] = 0;
            b[1] = 10;
        },                              // screen table inside the header
        [](Bytes& b) { b[8] = 0x7F; },  // 32512 screens
    };
    for (const auto& damage : damages) {
        Bytes damaged = image;
        damage(damaged);
        EXPECT_FALSE(CImageReader::Read(damaged).m_strError.empty());
    }
}

TEST_F(ImageReader, SurvivesRandomDamage) {
    std::mt19937 random(20240601);
    const CGlyphCatalogue glyphs = CGlyphCatalogue::Load(data.Path());
    for (int round = 0; round < 2000; ++round) {
        Bytes damaged = image;
        const int changes = 1 + round % 8;
        for (int i = 0; i < changes; ++i)
            damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
        if (round % 5 == 0) damaged.resize(random() % damaged.size());
        const CImageContents contents = CImageReader::Read(damaged, &glyphs);
        EXPECT_LE(contents.m_nLength, damaged.size());
    }
}

}  // namespace
}  // namespace tavelo

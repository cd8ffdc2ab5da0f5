#pragma once
// What the compiler tests share: a data directory with font and graphics files whose glyphs
// tell their characters apart at a glance, an outline rasteriser that draws a character as a
// stripe of (code mod 16) + 1 dots, and small builders for projects.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "compiler/ImageCompiler.h"
#include "compiler/ImageReader.h"
#include "elements/PanelCoordinates.h"
#include "elements/StaticText.h"
#include "model/AppState.h"
#include "model/RegisterUnit.h"
#include "model/Screen.h"
#include "model/TaveloDoc.h"
#include "render/GlyphRasteriser.h"
#include "support/TempDir.h"

namespace tavelo::test {

// ASCII.DAT: every dot row of character c is the byte c. hanzi.DAT: every dot row of a
// position holds its lead byte (left) and trail byte (right). GRAPH.DAT: every byte of
// graphic n is n.
class CSyntheticDataDir {
public:
    CSyntheticDataDir() {
        std::vector<std::uint8_t> ascii(128 * 16);
        for (std::size_t i = 0; i < ascii.size(); ++i) ascii[i] = static_cast<std::uint8_t>(i / 16);
        Write("ASCII.DAT", ascii);
        std::vector<std::uint8_t> hanzi(94 * 94 * 32);
        for (std::size_t i = 0; i < hanzi.size(); ++i) {
            const std::size_t position = i / 32;
            hanzi[i] =
                static_cast<std::uint8_t>(i % 2 == 0 ? 0xA1 + position / 94 : 0xA1 + position % 94);
        }
        Write("hanzi.DAT", hanzi);
        std::vector<std::uint8_t> graphics(256 * 32);
        for (std::size_t i = 0; i < graphics.size(); ++i)
            graphics[i] = static_cast<std::uint8_t>(i / 32);
        Write("GRAPH.DAT", graphics);
    }

    const std::filesystem::path& Path() const { return m_dir.Path(); }
    void Remove(const std::string& name) const { std::filesystem::remove(m_dir / name); }

private:
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream(m_dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    CTempDir m_dir;
};

class CStripeRasteriser : public CGlyphRasteriser {
public:
    CGlyphCoverage Render(char16_t character, const std::u16string&, std::int32_t size) override {
        CGlyphCoverage stripe;
        stripe.m_nAdvance = 16;
        stripe.m_nAscent = stripe.m_nTop = 10;
        stripe.m_nLineHeight = size < 0 ? -size : size;
        stripe.m_nWidth = (character & 0x0F) + 1;
        stripe.m_nHeight = 1;
        stripe.m_levels.assign(static_cast<std::size_t>(stripe.m_nWidth), 255);
        return stripe;
    }
};

inline CScreen& AddScreen(CTaveloDoc& doc, std::int32_t number) {
    return doc.AddScreen(MakeNewScreen(number, u"画面"));
}

// Adds the element at the dot position on the screen.
template <class Element>
Element& Place(CTaveloDoc& doc, std::unique_ptr<Element> element, std::int32_t screen,
               std::int32_t x = 0, std::int32_t y = 0) {
    element->SetPosition(
        CRect{DotsToCanvas(x), DotsToCanvas(y), DotsToCanvas(x) + 18, DotsToCanvas(y) + 36});
    element->m_nScreenNo = screen;
    return static_cast<Element&>(doc.AddElement(std::move(element)));
}

inline CStaticText& PlaceText(CTaveloDoc& doc, std::u16string text, std::int32_t screen,
                              std::int32_t x = 0, std::int32_t y = 0) {
    auto element = std::make_unique<CStaticText>();
    element->SetText(std::move(text));
    return Place(doc, std::move(element), screen, x, y);
}

// Compiles with the synthetic files; every image made must also read back without violations.
inline CCompileOutcome Compile(const CTaveloDoc& doc, const CAppState& state,
                               const CSyntheticDataDir& data) {
    CStripeRasteriser rasteriser;
    CCompileOutcome outcome = CompileDownloadImage(doc, state, data.Path(), rasteriser);
    if (outcome.Succeeded()) {
        const CImageContents contents = CImageReader::Read(outcome.m_image->m_bytes);
        EXPECT_TRUE(contents.IsConsistent())
            << contents.m_strError
            << (contents.m_violations.empty() ? "" : contents.m_violations[0].m_strText);
    }
    return outcome;
}

// One screen and the synthetic data files, for tests that compile what they place.
class CCompilerTest : public ::testing::Test {
protected:
    CCompilerTest() { AddScreen(doc, 1); }

    // Expects the image to be made with exactly these messages.
    CDownloadImage CompileOk(const std::vector<std::u16string>& messages = {}) {
        CCompileOutcome outcome = Compile(doc, state, data);
        EXPECT_TRUE(outcome.Succeeded()) << outcome.m_strReason;
        EXPECT_EQ(outcome.m_messages, messages);
        return outcome.m_image.value_or(CDownloadImage{});
    }

    CTaveloDoc doc;
    CAppState state;
    CSyntheticDataDir data;
};

inline std::uint32_t Get16(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return (bytes.at(offset) << 8) | bytes.at(offset + 1);
}

// A 16-bit value, high byte first.
inline std::vector<std::uint8_t> Be16(std::size_t value) {
    return {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

// The bytes from offset on, cut at the end of the image.
inline std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& bytes, std::size_t offset,
                                       std::size_t size) {
    offset = std::min(offset, bytes.size());
    size = std::min(size, bytes.size() - offset);
    return {bytes.begin() + static_cast<std::ptrdiff_t>(offset),
            bytes.begin() + static_cast<std::ptrdiff_t>(offset + size)};
}

// One element's record as the screen's index names it.
struct CRecordBytes {
    std::uint8_t m_nKind;
    std::size_t m_nOffset;
    std::vector<std::uint8_t> m_bytes;
};

// The 25-byte table entry of the screen at that place of the screen table.
inline std::vector<std::uint8_t> ScreenEntry(const CDownloadImage& image, std::size_t screen) {
    return Slice(image.m_bytes, Get16(image.m_bytes, 0) + 25 * screen, 25);
}

// The screen's records in index order; sizes as the index gives them.
inline std::vector<CRecordBytes> RecordsOf(const CDownloadImage& image, std::size_t screen) {
    const std::vector<std::uint8_t> entry = ScreenEntry(image, screen);
    std::vector<CRecordBytes> records;
    for (std::size_t i = 0; i < entry[2]; ++i) {
        const std::size_t index = Get16(entry, 7) + 4 * i;
        const std::size_t offset = Get16(image.m_bytes, index + 1);
        records.push_back(
            {image.m_bytes[index], offset, Slice(image.m_bytes, offset, image.m_bytes[index + 3])});
    }
    return records;
}

// An address record with the fields the encoders read.
inline CRegisterUnit MakeAddress(std::int32_t station, std::int32_t unitType, std::int32_t address,
                                 std::int32_t count = 1, std::int32_t unitBytes = 1) {
    CRegisterUnit unit;
    unit.m_nStation = station;
    unit.m_nUnitType = unitType;
    unit.m_nAddress = address;
    unit.m_nCount = count;
    unit.m_nUnitBytes = unitBytes;
    return unit;
}

}  // namespace tavelo::test

#pragma once
// Reads any download image, trusted or not: decodes the header, the system block, the glyph
// areas, every screen with its elements and tables, and the alarms, and checks every offset,
// size and count against the image's own structure. A damaged image yields its violations (or
// an error when it cannot be walked), never a crash.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ImageContents.h"
#include "ImageRecordLayouts.h"

namespace tavelo {

class CGlyphCatalogue;

class CImageReader {
public:
    // glyphs, when given, recognises the characters and graphics of the glyph areas.
    static CImageContents Read(std::span<const std::uint8_t> bytes,
                               const CGlyphCatalogue* glyphs = nullptr);

private:
    CImageReader(std::span<const std::uint8_t> bytes, const CGlyphCatalogue* glyphs)
        : m_bytes(bytes), m_pGlyphs(glyphs) {}

    bool Fits(std::size_t offset, std::size_t size) const {
        return offset <= m_bytes.size() && size <= m_bytes.size() - offset;
    }
    std::size_t U16(std::size_t offset) const {
        return (m_bytes[offset] << 8) | m_bytes[offset + 1];
    }
    void Violation(std::size_t offset, std::string text);
    CImageRecord Decode(const char* kind, std::size_t offset, std::span<const CFieldLayout> layout);

    void Walk();
    bool ReadHeader();
    void ReadGlyphAreas();
    bool ReadScreenTable();
    void ReadIndexes();
    void ReadRecords();
    bool ReadRecord(CImageScreen& screen, const CImageRecord& entry, std::size_t& expected);
    void ReadTexts(CImageRecord& record);
    void ReadDynamicTextRows(CImageRecord& record);
    void ReadKeyTables();
    void ReadPollTables();
    void CheckPollEntry(const CImageRecord& entry, const CImageRecord* record);
    void CheckScreens();
    void CheckScreenCounts(const CImageScreen& screen);
    void CheckBitmapReferences();
    void ReadAlarms();
    void CheckPadding();
    // The text of codeBytes codes at offset, as a text field of the record.
    void AddText(CImageRecord& record, const char* name, std::size_t offset, std::size_t codeBytes);

    std::span<const std::uint8_t> m_bytes;
    const CGlyphCatalogue* m_pGlyphs;
    CImageContents m_contents;
    std::size_t m_nNarrowOffset = 0;
    std::size_t m_nScreenTable = 0;
    std::size_t m_nAlarmIndex = 0;
    std::size_t m_nIndexEnd = 0;
    std::size_t m_nRecordsEnd = 0;
    std::size_t m_nTablesEnd = 0;
};

}  // namespace tavelo

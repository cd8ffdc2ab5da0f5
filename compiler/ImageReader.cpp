#include "ImageReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "GlyphCatalogue.h"
#include "GraphLoadDataBase.h"
#include "GraphicsLibrary.h"
#include "ImageLayout.h"
#include "ImageTextDecoder.h"
#include "PolledLoadData.h"
#include "ScreenRecord.h"
#include "model/Screen.h"
#include "render/FontLibrary.h"
#include "render/GlyphLayout.h"

namespace tavelo {

namespace {

constexpr std::size_t kNoAlarmText = 0xFFFF;
constexpr std::int64_t kJumpAction = 1;
constexpr std::int64_t kKeyNumberMask = 0x7F;
constexpr std::int64_t kSettableAttribute = 0x08;
constexpr std::int64_t kScreenFlagBits =
    CScreenRecord::kSettableFlag | CScreenRecord::kTrendFlag | CScreenRecord::kDynamicBitmapFlag;

std::string Hex(std::size_t offset) {
    char digits[2 * sizeof(std::size_t)];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), offset, 16).ptr;
    std::string text(digits, end);
    for (char& digit : text) digit = static_cast<char>(std::toupper(digit));
    return "0x" + std::string(text.size() < 4 ? 4 - text.size() : 0, '0') + text;
}

bool IsPolled(std::int64_t kind) {
    return kind == kRegisterRecord || kind == kIndicatorRecord || kind == kBarGraphRecord ||
           kind == kDynamicTextRecord;
}

// The record length a poll entry announces for its kind.
std::int64_t FixedLength(std::int64_t kind) {
    return static_cast<std::int64_t>(LayoutSize(RecordLayout(static_cast<std::uint8_t>(kind))));
}

std::string Describe(const CImageRecord& record) {
    return record.m_strKind + " at " + Hex(record.m_nOffset);
}

}  // namespace

CImageContents CImageReader::Read(std::span<const std::uint8_t> bytes,
                                  const CGlyphCatalogue* glyphs) {
    CImageReader reader(bytes, glyphs);
    reader.Walk();
    return std::move(reader.m_contents);
}

void CImageReader::Violation(std::size_t offset, std::string text) {
    m_contents.m_violations.push_back({offset, std::move(text)});
}

CImageRecord CImageReader::Decode(const char* kind, std::size_t offset,
                                  std::span<const CFieldLayout> layout) {
    CImageRecord record{kind, offset, LayoutSize(layout), {}};
    DecodeFields(m_bytes, offset, layout, record.m_fields);
    return record;
}

void CImageReader::Walk() {
    m_contents.m_nSize = m_bytes.size();
    if (!ReadHeader() || !ReadScreenTable()) return;
    ReadIndexes();
    ReadRecords();
    ReadKeyTables();
    ReadPollTables();
    ReadGlyphAreas();
    for (CImageScreen& screen : m_contents.m_screens)
        for (CImageRecord& record : screen.m_elements) ReadTexts(record);
    CheckBitmapReferences();
    CheckScreens();
    ReadAlarms();
    CheckPadding();
}

bool CImageReader::ReadHeader() {
    if (m_bytes.size() < kWideGlyphAreaOffset) {
        m_contents.m_strError = "the image holds " + std::to_string(m_bytes.size()) +
                                " bytes, fewer than its header and system block";
        return false;
    }
    m_contents.m_header = Decode("header", 0, PartLayout(EImagePart::Header));
    m_contents.m_systemBlock =
        Decode("systemBlock", kSystemBlockOffset, PartLayout(EImagePart::SystemBlock));
    if (m_bytes.size() > kMaxImageSize)
        Violation(kMaxImageSize, "the image is longer than the panel's " +
                                     std::to_string(kMaxImageSize) + " bytes");
    if (m_bytes.size() % kImageUnitSize != 0)
        Violation(m_bytes.size(), "the image is not a whole number of 512-byte units");
    const CImageRecord& header = m_contents.m_header;
    if (header.Value("wideGlyphs") != static_cast<std::int64_t>(kWideGlyphAreaOffset))
        Violation(4, "the wide glyphs are said to start at " +
                         std::to_string(header.Value("wideGlyphs")) + ", not 37");
    m_nNarrowOffset = static_cast<std::size_t>(header.Value("narrowGlyphs"));
    m_nScreenTable = static_cast<std::size_t>(header.Value("screenTable"));
    m_nAlarmIndex = static_cast<std::size_t>(header.Value("alarmIndex"));
    if (m_nNarrowOffset < kWideGlyphAreaOffset || m_nScreenTable < m_nNarrowOffset ||
        m_nAlarmIndex < m_nScreenTable || m_nAlarmIndex > m_bytes.size()) {
        m_contents.m_strError = "the header's offsets (screen table " + Hex(m_nScreenTable) +
                                ", alarm index " + Hex(m_nAlarmIndex) + ", narrow glyphs " +
                                Hex(m_nNarrowOffset) + ") do not describe an image";
        return false;
    }
    if ((m_nNarrowOffset - kWideGlyphAreaOffset) % kWideGlyphBytes != 0)
        Violation(6, "the wide glyph area is not a whole number of 32-byte glyphs");
    return true;
}

bool CImageReader::ReadScreenTable() {
    const auto count = static_cast<std::size_t>(m_contents.m_systemBlock.Value("screens"));
    if (!Fits(m_nScreenTable, kScreenEntrySize * count)) {
        m_contents.m_strError = "the screen table of " + std::to_string(count) +
                                " screens runs past the end of the image";
        return false;
    }
    for (std::size_t i = 0; i < count; ++i)
        m_contents.m_screens.push_back({Decode("screen", m_nScreenTable + kScreenEntrySize * i,
                                               PartLayout(EImagePart::Screen)),
                                        {},
                                        {},
                                        {}});
    return true;
}

void CImageReader::ReadIndexes() {
    std::size_t expected = m_nScreenTable + kScreenEntrySize * m_contents.m_screens.size();
    for (CImageScreen& screen : m_contents.m_screens) {
        const auto index = static_cast<std::size_t>(screen.m_entry.Value("index"));
        const auto count = static_cast<std::size_t>(screen.m_entry.Value("elements"));
        if (index != expected)
            Violation(screen.m_entry.m_nOffset, "the element index of screen " +
                                                    std::to_string(screen.m_entry.Value("number")) +
                                                    " lies at " + Hex(index) +
                                                    ", the one before ends at " + Hex(expected));
        expected = index + kIndexEntrySize * count;
    }
    m_nIndexEnd = expected;
}

void CImageReader::ReadRecords() {
    std::size_t expected = m_nIndexEnd;
    for (CImageScreen& screen : m_contents.m_screens) {
        const auto index = static_cast<std::size_t>(screen.m_entry.Value("index"));
        const auto count = static_cast<std::size_t>(screen.m_entry.Value("elements"));
        if (!Fits(index, kIndexEntrySize * count)) {
            Violation(index, "the element index of screen " +
                                 std::to_string(screen.m_entry.Value("number")) +
                                 " runs past the end of the image");
            continue;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const CImageRecord entry = Decode("indexEntry", index + kIndexEntrySize * i,
                                              PartLayout(EImagePart::IndexEntry));
            if (!ReadRecord(screen, entry, expected)) break;
        }
    }
    m_nRecordsEnd = expected;
}

bool CImageReader::ReadRecord(CImageScreen& screen, const CImageRecord& entry,
                              std::size_t& expected) {
    const auto kind = static_cast<std::uint8_t>(entry.Value("kind"));
    const auto offset = static_cast<std::size_t>(entry.Value("offset"));
    const std::span<const CFieldLayout> layout = RecordLayout(kind);
    if (layout.empty()) {
        Violation(entry.m_nOffset, "index entry of unknown record kind " + std::to_string(kind));
        return false;
    }
    if (!Fits(offset, LayoutSize(layout))) {
        Violation(entry.m_nOffset, std::string(RecordKindName(kind)) + " record at " + Hex(offset) +
                                       " runs past the end of the image");
        return false;
    }
    CImageRecord record = Decode(RecordKindName(kind), offset, layout);
    if (kind == kStaticTextRecord)
        record.m_nSize += static_cast<std::size_t>(record.Value("codeBytes"));
    if (kind == kDynamicTextRecord) ReadDynamicTextRows(record);
    if (!Fits(offset, record.m_nSize))
        Violation(offset, Describe(record) + " runs past the end of the image");
    if ((record.m_nSize & 0xFF) != static_cast<std::size_t>(entry.Value("size")))
        Violation(entry.m_nOffset, "the index gives " + Describe(record) + " " +
                                       std::to_string(entry.Value("size")) + " bytes, it holds " +
                                       std::to_string(record.m_nSize));
    if (offset != expected)
        Violation(offset, Describe(record) + " does not start where the record before ends (" +
                              Hex(expected) + ")");
    expected = offset + record.m_nSize;
    screen.m_elements.push_back(std::move(record));
    return true;
}

void CImageReader::ReadDynamicTextRows(CImageRecord& record) {
    const auto rows = static_cast<std::size_t>(record.Value("rows"));
    const std::size_t rowTable = record.m_nOffset + record.m_nSize;
    if (static_cast<std::size_t>(record.Value("rowTable")) != rowTable)
        Violation(record.m_nOffset, Describe(record) + " names its row table at " +
                                        Hex(static_cast<std::size_t>(record.Value("rowTable"))));
    const std::span<const CFieldLayout> rowLayout = PartLayout(EImagePart::DynamicTextRow);
    record.m_nSize += LayoutSize(rowLayout) * rows;
    if (!Fits(rowTable, LayoutSize(rowLayout) * rows)) return;
    std::size_t textOffset = rowTable + LayoutSize(rowLayout) * rows;
    for (std::size_t i = 0; i < rows; ++i) {
        std::vector<CImageField> fields;
        DecodeFields(m_bytes, rowTable + LayoutSize(rowLayout) * i, rowLayout, fields);
        for (CImageField& field : fields) {
            field.m_strName = "rows[" + std::to_string(i) + "]." + field.m_strName;
            record.m_fields.push_back(std::move(field));
        }
        const auto rowText =
            static_cast<std::size_t>(record.m_fields[record.m_fields.size() - 2].m_nValue);
        const auto bytes = static_cast<std::size_t>(record.m_fields.back().m_nValue);
        if (rowText != textOffset)
            Violation(record.m_nOffset, Describe(record) + " row " + std::to_string(i) +
                                            " text at " + Hex(rowText) + ", expected " +
                                            Hex(textOffset));
        textOffset += bytes;
        record.m_nSize += bytes;
    }
}

void CImageReader::AddText(CImageRecord& record, const char* name, std::size_t offset,
                           std::size_t codeBytes) {
    if (!Fits(offset, codeBytes)) return;
    const CImageTextDecoder decoder(m_contents.m_wideGlyphs, m_contents.m_narrowGlyphs);
    CImageTextDecoder::CText text = decoder.Decode(m_bytes.subspan(offset, codeBytes));
    if (!text.m_strFault.empty()) Violation(offset, Describe(record) + ": " + text.m_strFault);
    record.m_fields.push_back(
        {name, static_cast<std::int64_t>(codeBytes), std::move(text.m_strText)});
}

void CImageReader::ReadTexts(CImageRecord& record) {
    if (record.m_strKind == RecordKindName(kStaticTextRecord))
        AddText(record, "text", record.m_nOffset + LayoutSize(RecordLayout(kStaticTextRecord)),
                static_cast<std::size_t>(record.Value("codeBytes")));
    if (record.m_strKind != RecordKindName(kDynamicTextRecord)) return;
    for (std::int64_t i = 0; i < record.Value("rows"); ++i) {
        const std::string row = "rows[" + std::to_string(i) + "].";
        const CImageField* offset = record.Find(row + "textOffset");
        if (!offset) return;
        AddText(record, (row + "text").c_str(), static_cast<std::size_t>(offset->m_nValue),
                static_cast<std::size_t>(record.Value(row + "textBytes")));
    }
}

void CImageReader::ReadKeyTables() {
    std::size_t expected = m_nRecordsEnd;
    for (CImageScreen& screen : m_contents.m_screens) {
        std::vector<const CImageRecord*> keys;
        for (const CImageRecord& record : screen.m_elements)
            if (record.m_strKind == RecordKindName(kFunctionKeyRecord)) keys.push_back(&record);
        const auto count = static_cast<std::size_t>(screen.m_entry.Value("keys"));
        const auto table = static_cast<std::size_t>(screen.m_entry.Value("keyTable"));
        if (count != keys.size())
            Violation(screen.m_entry.m_nOffset,
                      "screen " + std::to_string(screen.m_entry.Value("number")) + " counts " +
                          std::to_string(count) + " function keys, its index holds " +
                          std::to_string(keys.size()));
        if (count == 0) {
            if (table != 0)
                Violation(screen.m_entry.m_nOffset,
                          "a screen without function keys names a key table");
            continue;
        }
        if (table != expected)
            Violation(table, "the key table does not start where the tables before end (" +
                                 Hex(expected) + ")");
        expected = table + kKeyEntrySize * count;
        if (!Fits(table, kKeyEntrySize * count)) {
            Violation(table, "the key table runs past the end of the image");
            continue;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = table + kKeyEntrySize * i;
            const bool jump = m_bytes[at + 1] == kJumpAction;
            CImageRecord entry = Decode(
                "keyEntry", at, PartLayout(jump ? EImagePart::JumpKeyEntry : EImagePart::KeyEntry));
            if (i < keys.size() &&
                ((entry.Value("key") & kKeyNumberMask) != keys[i]->Value("key") ||
                 entry.Value("action") != keys[i]->Value("action") ||
                 entry.Value("subAction") != keys[i]->Value("subAction")))
                Violation(at, "key entry disagrees with " + Describe(*keys[i]));
            screen.m_keyEntries.push_back(std::move(entry));
        }
    }
    m_nTablesEnd = expected;
}

void CImageReader::ReadPollTables() {
    std::size_t expected = m_nTablesEnd;
    for (CImageScreen& screen : m_contents.m_screens) {
        std::vector<const CImageRecord*> polled;
        for (std::size_t i = 0; i < screen.m_elements.size(); ++i)
            if (IsPolled(m_bytes[static_cast<std::size_t>(screen.m_entry.Value("index")) +
                                 kIndexEntrySize * i]))
                polled.push_back(&screen.m_elements[i]);
        const auto count = static_cast<std::size_t>(screen.m_entry.Value("polled"));
        const auto table = static_cast<std::size_t>(screen.m_entry.Value("pollTable"));
        if (count != polled.size())
            Violation(screen.m_entry.m_nOffset,
                      "screen " + std::to_string(screen.m_entry.Value("number")) + " counts " +
                          std::to_string(count) + " polled elements, its index holds " +
                          std::to_string(polled.size()));
        if (count == 0) {
            if (table != 0)
                Violation(screen.m_entry.m_nOffset,
                          "a screen without polled elements names a poll table");
            continue;
        }
        if (table != expected)
            Violation(table, "the poll table does not start where the tables before end (" +
                                 Hex(expected) + ")");
        expected = table + kPollEntrySize * count;
        if (!Fits(table, kPollEntrySize * count)) {
            Violation(table, "the poll table runs past the end of the image");
            continue;
        }
        for (std::size_t i = 0; i < count; ++i) {
            CImageRecord entry =
                Decode("pollEntry", table + kPollEntrySize * i, PartLayout(EImagePart::PollEntry));
            CheckPollEntry(entry, i < polled.size() ? polled[i] : nullptr);
            screen.m_pollEntries.push_back(std::move(entry));
        }
    }
    m_nTablesEnd = expected;
}

void CImageReader::CheckPollEntry(const CImageRecord& entry, const CImageRecord* record) {
    if (entry.Value("marker") != CPolledLoadData::kPollMarker)
        Violation(entry.m_nOffset, "poll entry without its 0x10 marker");
    if (!record) return;
    bool agrees =
        entry.Value("recordOffset") == static_cast<std::int64_t>(record->m_nOffset) &&
        entry.Value("kind") != 0 &&
        RecordKindName(static_cast<std::uint8_t>(entry.Value("kind"))) == record->m_strKind &&
        entry.Value("recordLength") == FixedLength(entry.Value("kind"));
    for (const char* name : {"station", "address", "unitCode", "byteCount"})
        if (const CImageField* field = record->Find(name))
            agrees = agrees && field->m_nValue == entry.Value(name);
    if (!agrees) Violation(entry.m_nOffset, "poll entry disagrees with " + Describe(*record));
}

void CImageReader::ReadGlyphAreas() {
    // The narrow glyphs end where the first bitmap a record shows begins, or at the screen
    // table. The pictures of elements on missing screens are in the image too, and may come
    // first: a remainder short of a glyph, or past the largest narrow set, is theirs.
    std::size_t narrowEnd = m_nScreenTable;
    for (const CImageScreen& screen : m_contents.m_screens)
        for (const CImageRecord& record : screen.m_elements)
            for (const char* name : {"dataOffset", "pictureOffset"})
                if (const CImageField* field = record.Find(name);
                    field && static_cast<std::size_t>(field->m_nValue) >= m_nNarrowOffset)
                    narrowEnd = std::min(narrowEnd, static_cast<std::size_t>(field->m_nValue));
    const std::size_t wideCount = (m_nNarrowOffset - kWideGlyphAreaOffset) / kWideGlyphBytes;
    const std::size_t narrowCount = std::min<std::size_t>(
        (narrowEnd - m_nNarrowOffset) / kNarrowGlyphBytes, CFontLibrary::kFirstWideCharacter);
    const auto wideArea = m_bytes.subspan(kWideGlyphAreaOffset, wideCount * kWideGlyphBytes);
    const auto narrowArea = m_bytes.subspan(m_nNarrowOffset, narrowCount * kNarrowGlyphBytes);
    if (m_pGlyphs) {
        m_contents.m_wideGlyphs =
            m_pGlyphs->RecogniseWide(wideArea, kWideGlyphAreaOffset, wideCount);
        m_contents.m_narrowGlyphs =
            m_pGlyphs->RecogniseNarrow(narrowArea, m_nNarrowOffset, narrowCount);
        return;
    }
    for (std::size_t i = 0; i < wideCount; ++i)
        m_contents.m_wideGlyphs.push_back({kWideGlyphAreaOffset + kWideGlyphBytes * i});
    for (std::size_t i = 0; i < narrowCount; ++i)
        m_contents.m_narrowGlyphs.push_back({m_nNarrowOffset + kNarrowGlyphBytes * i});
}

void CImageReader::CheckBitmapReferences() {
    const std::size_t bitmapsStart =
        m_nNarrowOffset + kNarrowGlyphBytes * m_contents.m_narrowGlyphs.size();
    const std::size_t wideCount = m_contents.m_wideGlyphs.size();
    for (const CImageScreen& screen : m_contents.m_screens) {
        for (const CImageRecord& record : screen.m_elements) {
            std::size_t start = 0, size = 0;
            if (const CImageField* data = record.Find("dataOffset")) {
                start = static_cast<std::size_t>(data->m_nValue);
                size = static_cast<std::size_t>(record.Value("width") * record.Value("height") / 8);
            } else if (const CImageField* picture = record.Find("pictureOffset")) {
                start = static_cast<std::size_t>(picture->m_nValue);
                size = 96;
            } else {
                for (const char* name : {"handCode", "keyCode", "firstPicture", "secondPicture"}) {
                    const CImageField* code = record.Find(name);
                    if (!code || (name == std::string("handCode") && code->m_nValue == 0)) continue;
                    if (code->m_nValue < CGraphicsLibrary::kCodeBase ||
                        static_cast<std::size_t>(code->m_nValue - CGraphicsLibrary::kCodeBase) >=
                            wideCount)
                        Violation(record.m_nOffset, Describe(record) + ": " + name +
                                                        " names no glyph of the wide area");
                }
                continue;
            }
            if (start < bitmapsStart || start + size > m_nScreenTable)
                Violation(record.m_nOffset,
                          Describe(record) + ": its picture lies outside the bitmap area");
        }
    }
}

void CImageReader::CheckScreens() {
    std::int64_t previous = 0;
    bool initialFound = false;
    const std::int64_t initial = m_contents.m_systemBlock.Value("initialScreen");
    for (const CImageScreen& screen : m_contents.m_screens) {
        const std::int64_t number = screen.m_entry.Value("number");
        if (number <= previous || number > kMaxScreenNumber)
            Violation(screen.m_entry.m_nOffset,
                      "screen " + std::to_string(number) + " is out of ascending order or range");
        previous = number;
        initialFound = initialFound || number == initial;
        CheckScreenCounts(screen);
    }
    if (!initialFound)
        Violation(kSystemBlockOffset + 9,
                  "the initial screen " + std::to_string(initial) + " does not exist");
}

void CImageReader::CheckScreenCounts(const CImageScreen& screen) {
    const CImageRecord& entry = screen.m_entry;
    std::size_t settable = 0, trends = 0, dynamicBitmaps = 0;
    bool othersBegun = false;
    for (const CImageRecord& record : screen.m_elements) {
        const bool isSettable = record.m_strKind == RecordKindName(kRegisterRecord) &&
                                (record.Value("attributes") & kSettableAttribute) != 0;
        if (isSettable && othersBegun)
            Violation(record.m_nOffset,
                      Describe(record) + " is settable but follows other elements");
        othersBegun = othersBegun || !isSettable;
        settable += isSettable;
        trends += record.m_strKind == RecordKindName(kTrendGraphRecord);
        dynamicBitmaps += record.m_strKind == RecordKindName(kDynamicBitmapRecord);
    }
    auto firstOf = [&](std::uint8_t kind) -> std::int64_t {
        for (const CImageRecord& record : screen.m_elements)
            if (record.m_strKind == RecordKindName(kind))
                return static_cast<std::int64_t>(record.m_nOffset);
        return 0;
    };
    const std::int64_t flags = (settable ? CScreenRecord::kSettableFlag : 0) |
                               (trends ? CScreenRecord::kTrendFlag : 0) |
                               (dynamicBitmaps ? CScreenRecord::kDynamicBitmapFlag : 0);
    const bool agrees =
        entry.Value("settable") == static_cast<std::int64_t>(settable) &&
        entry.Value("trends") == static_cast<std::int64_t>(trends) &&
        entry.Value("dynamicBitmaps") == static_cast<std::int64_t>(dynamicBitmaps) &&
        (entry.Value("flags") & kScreenFlagBits) == flags &&
        (entry.Value("flags") & ~kScreenFlagBits) == 0 &&
        entry.Value("firstRegister") == firstOf(kRegisterRecord) &&
        entry.Value("firstTrend") == firstOf(kTrendGraphRecord) &&
        entry.Value("firstDynamicBitmap") == firstOf(kDynamicBitmapRecord);
    if (!agrees)
        Violation(entry.m_nOffset,
                  "screen " + std::to_string(entry.Value("number")) +
                      ": its flags, counts or first offsets disagree with its records");
}

void CImageReader::ReadAlarms() {
    if (m_nAlarmIndex != m_nTablesEnd)
        Violation(2, "the alarm index lies at " + Hex(m_nAlarmIndex) + ", the tables end at " +
                         Hex(m_nTablesEnd));
    std::size_t count = 0;
    if (Fits(m_nAlarmIndex, kAlarmEntrySize) && U16(m_nAlarmIndex) != kNoAlarmText) {
        const std::size_t first = U16(m_nAlarmIndex);
        if (first <= m_nAlarmIndex || (first - m_nAlarmIndex) % kAlarmEntrySize != 0 ||
            first > m_bytes.size())
            Violation(m_nAlarmIndex,
                      "the first alarm text at " + Hex(first) + " does not follow an alarm index");
        else
            count = (first - m_nAlarmIndex) / kAlarmEntrySize;
    }
    if (static_cast<std::size_t>(m_contents.m_systemBlock.Value("alarms")) > count)
        Violation(kSystemBlockOffset + 2,
                  "the system block counts more alarms than the index holds");
    std::size_t expected = m_nAlarmIndex + kAlarmEntrySize * count;
    for (std::size_t i = 0; i < count; ++i) {
        CImageRecord alarm = Decode("alarm", m_nAlarmIndex + kAlarmEntrySize * i,
                                    PartLayout(EImagePart::AlarmEntry));
        const auto text = static_cast<std::size_t>(alarm.Value("textOffset"));
        const auto bytes = static_cast<std::size_t>(alarm.Value("textBytes"));
        if (text != expected || !Fits(text, bytes))
            Violation(alarm.m_nOffset, "alarm text at " + Hex(text) +
                                           " is not where the one before ends (" + Hex(expected) +
                                           ") or runs past the image");
        else
            AddText(alarm, "text", text, bytes);
        expected = text + bytes;
        m_contents.m_alarms.push_back(std::move(alarm));
    }
    m_contents.m_nLength = std::min(expected, m_bytes.size());
}

void CImageReader::CheckPadding() {
    const std::size_t length = m_contents.m_nLength;
    const auto data = m_bytes.subspan(length);
    const auto stray =
        std::find_if(data.begin(), data.end(), [](std::uint8_t b) { return b != kPaddingByte; });
    if (stray != data.end())
        Violation(length + static_cast<std::size_t>(stray - data.begin()),
                  "a byte after the data is not padding (0xFF)");
    if (m_bytes.size() > ImageUnitsFor(length) * kImageUnitSize)
        Violation(length, "the padding runs past the last 512-byte unit the data needs");
}

}  // namespace tavelo

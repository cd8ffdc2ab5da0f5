#include "ImageCompiler.h"

#include <algorithm>
#include <new>

#include "ByteCount.h"
#include "CompileError.h"
#include "CompilerMessages.h"
#include "ElementCast.h"
#include "LoadDataFactory.h"
#include "SystemBlock.h"
#include "TextRecordParts.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/FunctionKey.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticText.h"
#include "model/AppState.h"
#include "model/TaveloDoc.h"
#include "render/FreeTypeRasteriser.h"
#include "render/GlyphError.h"
#include "render/GlyphLayout.h"

namespace tavelo {

namespace {

// Adds the glyph writer's message, when it has one, before the compilation fails.
[[noreturn]] void FailGlyphs(const CGlyphError& error, std::vector<std::u16string>& messages,
                             const char16_t* followUp) {
    if (!error.GetMessage().empty()) messages.push_back(error.GetMessage());
    throw CCompileError(followUp ? followUp : u"", error.what());
}

}  // namespace

CCompileOutcome CompileDownloadImage(const CTaveloDoc& doc, const CAppState& state,
                                     const std::filesystem::path& dataDirectory) {
    return CImageCompiler(doc, state, dataDirectory, nullptr).Compile();
}

CCompileOutcome CompileDownloadImage(const CTaveloDoc& doc, const CAppState& state,
                                     const std::filesystem::path& dataDirectory,
                                     CGlyphRasteriser& rasteriser) {
    return CImageCompiler(doc, state, dataDirectory, &rasteriser).Compile();
}

CImageCompiler::CImageCompiler(const CTaveloDoc& doc, const CAppState& state,
                               const std::filesystem::path& dataDirectory,
                               CGlyphRasteriser* rasteriser)
    : m_doc(doc), m_state(state), m_pRasteriser(rasteriser), m_libraries(dataDirectory) {}

CImageCompiler::~CImageCompiler() = default;

CCompileOutcome CImageCompiler::Compile() {
    try {
        Gather();
        PlaceLibraryAreas();
        BuildScreenRecords();
        LayOutScreens();
        LayOutAlarms();
        Allocate();
        Write();
        m_outcome.m_image = std::move(m_image);
    } catch (const CCompileError& error) {
        if (!error.GetMessage().empty()) m_outcome.m_messages.push_back(error.GetMessage());
        m_outcome.m_strReason = error.what();
    } catch (const std::bad_alloc&) {
        m_outcome.m_messages.emplace_back(compiler_messages::kOutOfMemory);
        m_outcome.m_strReason = "out of memory";
    } catch (const std::exception& error) {
        // The system's own services (the GB2312 converter) failed: the dialog just closes.
        m_outcome.m_strReason = error.what();
    }
    m_outcome.m_layout = m_outcome.m_image ? m_outcome.m_image->m_layout : m_image.m_layout;
    return std::move(m_outcome);
}

void CImageCompiler::Gather() {
    m_libraries.Reset();
    for (const auto& element : m_doc.GetElements()) GatherElement(*element);
    for (const std::u16string& text : m_doc.GetAlarms().GetTexts())
        if (!text.empty()) m_libraries.AddText(text, nullptr);
}

void CImageCompiler::GatherElement(const CGraphObj& element) {
    if (const auto* text = ElementAs<CDynamicText>(element)) {
        const CVectorFace face = VectorFaceOf(*text);
        for (const std::u16string& state : text->GetTextList())
            if (!state.empty()) m_libraries.AddText(state, text->IsVector() ? &face : nullptr);
    } else if (const auto* text = ElementAs<CStaticText>(element)) {
        const CVectorFace face = VectorFaceOf(*text);
        m_libraries.AddText(text->GetText(), text->IsVector() ? &face : nullptr);
    } else if (const auto* key = ElementAs<CFunctionKey>(element)) {
        m_libraries.m_graphics.Add(key->GetKeyCode());
    } else if (const auto* bitmap = ElementAs<CStaticBitmap>(element)) {
        m_libraries.m_bitmaps.AddStatic(*bitmap);
    } else if (const auto* bitmap = ElementAs<CDynamicBitmap>(element)) {
        m_libraries.m_bitmaps.AddDynamic(bitmap->GetBitmapType2());
    }
}

// The areas up to the screen table depend on the gathered contents only, so the encoders
// can take bitmap offsets when they compute.
void CImageCompiler::PlaceLibraryAreas() {
    CImageLayout& layout = m_image.m_layout;
    layout.m_nWideCount = m_libraries.m_fonts.GetWideCount();
    layout.m_nVectorCount = m_libraries.m_vectorGlyphs.GetCount();
    layout.m_nGraphicCount = m_libraries.m_graphics.GetCount();
    layout.m_nNarrowCount = m_libraries.m_fonts.GetNarrowCount();
    const std::size_t wideGlyphs =
        layout.m_nWideCount + layout.m_nVectorCount + layout.m_nGraphicCount;
    layout[EImageArea::Header] = {0, kImageHeaderSize};
    layout[EImageArea::SystemBlock] = {kSystemBlockOffset, kSystemBlockSize};
    layout[EImageArea::WideGlyphs] = {kWideGlyphAreaOffset, kWideGlyphBytes * wideGlyphs};
    layout[EImageArea::NarrowGlyphs] = {layout[EImageArea::WideGlyphs].End(),
                                        kNarrowGlyphBytes * layout.m_nNarrowCount};
    layout[EImageArea::StaticBitmaps] = {layout[EImageArea::NarrowGlyphs].End(),
                                         m_libraries.m_bitmaps.GetStaticSize()};
    layout[EImageArea::DynamicBitmaps] = {layout[EImageArea::StaticBitmaps].End(),
                                          m_libraries.m_bitmaps.GetDynamicSize()};
    m_libraries.m_bitmaps.SetAreaOffset(layout[EImageArea::StaticBitmaps].m_nOffset);
}

void CImageCompiler::BuildScreenRecords() {
    m_screens.clear();
    for (const auto& screen : m_doc.GetScreens())
        m_screens.push_back(std::make_unique<CScreenRecord>(*screen));
    for (const auto& element : m_doc.GetElements()) {
        const auto screen = std::find_if(
            m_screens.begin(), m_screens.end(),
            [&](const auto& record) { return record->GetNumber() == element->m_nScreenNo; });
        if (screen == m_screens.end()) continue;
        if (auto encoder = CreateLoadData(*element, m_libraries, m_state, m_outcome.m_messages))
            (*screen)->Add(std::move(encoder));
    }
}

void CImageCompiler::LayOutScreens() {
    CImageLayout& layout = m_image.m_layout;
    const std::size_t tableOffset = layout[EImageArea::DynamicBitmaps].End();
    layout[EImageArea::ScreenTable] = {tableOffset, kScreenEntrySize * m_screens.size()};
    std::size_t elements = 0;
    for (const auto& screen : m_screens) {
        // Keys, polled elements and the kinds the entry counts are among these, so they fit.
        RequireByteCount(screen->GetEncoders().size(), compiler_messages::kScreenElements,
                         {screen->GetNumber()}, "a screen's element count");
        elements += screen->GetEncoders().size();
    }
    const std::size_t indexOffset = layout[EImageArea::ScreenTable].End();
    layout[EImageArea::ElementIndex] = {indexOffset, kIndexEntrySize * elements};

    std::size_t nextIndex = indexOffset;
    std::size_t nextRecord = layout[EImageArea::ElementIndex].End();
    for (const auto& screen : m_screens) {
        nextRecord = screen->LayOut(nextIndex, nextRecord);
        nextIndex += kIndexEntrySize * screen->GetEncoders().size();
    }
    layout[EImageArea::ElementRecords] = {layout[EImageArea::ElementIndex].End(),
                                          nextRecord - layout[EImageArea::ElementIndex].End()};

    std::size_t next = layout[EImageArea::ElementRecords].End();
    for (const auto& screen : m_screens) {
        screen->SetKeyTableOffset(next);
        next += kKeyEntrySize * screen->GetKeyCount();
    }
    layout[EImageArea::KeyTables] = {layout[EImageArea::ElementRecords].End(),
                                     next - layout[EImageArea::ElementRecords].End()};
    for (const auto& screen : m_screens) {
        screen->SetPollTableOffset(next);
        next += kPollEntrySize * screen->GetPollCount();
    }
    layout[EImageArea::PollTables] = {layout[EImageArea::KeyTables].End(),
                                      next - layout[EImageArea::KeyTables].End()};
}

void CImageCompiler::LayOutAlarms() {
    CImageLayout& layout = m_image.m_layout;
    std::size_t textBytes = 0;
    m_alarmTexts.clear();
    const std::vector<std::u16string>& texts = m_doc.GetAlarms().GetTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty()) continue;
        m_alarmTexts.push_back(m_libraries.EncodeText(texts[i], nullptr));
        RequireByteCount(m_alarmTexts.back().size(), compiler_messages::kAlarmTextBytes,
                         {static_cast<std::int64_t>(i + 1)}, "an alarm text's code bytes");
        textBytes += m_alarmTexts.back().size();
    }
    RequireByteCount(ReportedAlarmCount(m_alarmTexts.size(), m_state.m_nPlcListIndex),
                     compiler_messages::kAlarmCount, {}, "the alarm count");
    layout[EImageArea::AlarmIndex] = {layout[EImageArea::PollTables].End(),
                                      kAlarmEntrySize * m_alarmTexts.size()};
    layout[EImageArea::AlarmTexts] = {layout[EImageArea::AlarmIndex].End(), textBytes};
}

void CImageCompiler::Allocate() {
    CImageLayout& layout = m_image.m_layout;
    const std::size_t length = layout.GetLength();
    const std::size_t units = ImageUnitsFor(length);
    if (units > kMaxImageUnits)
        throw CCompileError(compiler_messages::kImageTooLarge,
                            "the image takes " + std::to_string(length) + " bytes, the panel " +
                                std::to_string(kMaxImageSize));
    m_image.m_bytes.assign(units * kImageUnitSize, kPaddingByte);
    layout[EImageArea::Padding] = {length, m_image.m_bytes.size() - length};
    const std::int32_t initial = m_doc.GetSystemSettings().GetStartup().m_nInitialScreen;
    if (!m_doc.FindScreen(initial))
        throw CCompileError(compiler_messages::kInitialScreenMissing,
                            "the initial screen " + std::to_string(initial) + " does not exist");
}

CImageCursor CImageCompiler::CursorOver(EImageArea area) {
    const CImageArea& place = m_image.m_layout[area];
    return CImageCursor(std::span(m_image.m_bytes).subspan(place.m_nOffset, place.m_nSize));
}

void CImageCompiler::Write() {
    WriteHeader();
    CImageCursor system = CursorOver(EImageArea::SystemBlock);
    if (WriteSystemBlock(m_doc, m_state, system) != kSystemBlockSize || system.HasOverflowed())
        throw CCompileError({}, "the system block does not fill its 29 bytes");
    WriteGlyphs();
    WriteBitmaps();
    WriteScreens();
    WriteAlarms();
}

void CImageCompiler::WriteHeader() {
    const CImageLayout& layout = m_image.m_layout;
    CImageCursor out = CursorOver(EImageArea::Header);
    out.Put16(static_cast<std::int64_t>(layout[EImageArea::ScreenTable].m_nOffset));
    out.Put16(static_cast<std::int64_t>(layout[EImageArea::AlarmIndex].m_nOffset));
    out.Put16(static_cast<std::int64_t>(layout[EImageArea::WideGlyphs].m_nOffset));
    out.Put16(static_cast<std::int64_t>(layout[EImageArea::NarrowGlyphs].m_nOffset));
}

void CImageCompiler::WriteGlyphs() {
    const CImageLayout& layout = m_image.m_layout;
    std::span<std::uint8_t> wide = CursorOver(EImageArea::WideGlyphs).Rest();
    const std::size_t chinese = kWideGlyphBytes * layout.m_nWideCount;
    const std::size_t vector = kWideGlyphBytes * layout.m_nVectorCount;
    try {
        m_libraries.m_fonts.WriteWideGlyphs(wide.first(chinese), chinese);
    } catch (const CGlyphError& error) {
        FailGlyphs(error, m_outcome.m_messages, compiler_messages::kDataOrganisation);
    }
    try {
        if (vector != 0) WriteVectorGlyphs(wide.subspan(chinese, vector));
    } catch (const CGlyphError& error) {
        FailGlyphs(error, m_outcome.m_messages, nullptr);
    }
    m_libraries.m_graphics.Write(wide.subspan(chinese + vector),
                                 kWideGlyphBytes * layout.m_nGraphicCount);
    try {
        m_libraries.m_fonts.WriteNarrowGlyphs(CursorOver(EImageArea::NarrowGlyphs).Rest(),
                                              layout[EImageArea::NarrowGlyphs].m_nSize);
    } catch (const CGlyphError& error) {
        FailGlyphs(error, m_outcome.m_messages, nullptr);
    }
}

void CImageCompiler::WriteVectorGlyphs(std::span<std::uint8_t> destination) {
    if (!m_pRasteriser) {
        m_ownRasteriser = std::make_unique<CFreeTypeRasteriser>();
        m_pRasteriser = m_ownRasteriser.get();
    }
    m_libraries.m_vectorGlyphs.WriteGlyphs(*m_pRasteriser, destination, destination.size());
}

void CImageCompiler::WriteBitmaps() {
    const CImageLayout& layout = m_image.m_layout;
    m_libraries.m_bitmaps.WriteStatic(CursorOver(EImageArea::StaticBitmaps).Rest(),
                                      layout[EImageArea::StaticBitmaps].m_nSize,
                                      m_outcome.m_messages);
    m_libraries.m_bitmaps.WriteDynamic(CursorOver(EImageArea::DynamicBitmaps).Rest(),
                                       layout[EImageArea::DynamicBitmaps].m_nSize);
}

void CImageCompiler::WriteScreens() {
    CImageCursor table = CursorOver(EImageArea::ScreenTable);
    CImageCursor index = CursorOver(EImageArea::ElementIndex);
    CImageCursor records = CursorOver(EImageArea::ElementRecords);
    CImageCursor keys = CursorOver(EImageArea::KeyTables);
    CImageCursor polls = CursorOver(EImageArea::PollTables);
    for (const auto& screen : m_screens) {
        const bool written = screen->WriteTableEntry(table) && screen->WriteIndex(index) &&
                             screen->WriteRecords(records) && screen->WriteKeyTable(keys) &&
                             screen->WritePollTable(polls);
        if (!written)
            throw CCompileError({}, "screen " + std::to_string(screen->GetNumber()) +
                                        " wrote other sizes than its layout reserved");
    }
    RequireFilled({table, index, records, keys, polls}, "the screens");
}

void CImageCompiler::WriteAlarms() {
    CImageCursor index = CursorOver(EImageArea::AlarmIndex);
    CImageCursor texts = CursorOver(EImageArea::AlarmTexts);
    std::size_t textOffset = m_image.m_layout[EImageArea::AlarmTexts].m_nOffset;
    for (const auto& text : m_alarmTexts) {
        index.Put16(static_cast<std::int64_t>(textOffset));
        index.Put8(static_cast<std::int64_t>(text.size()));
        texts.PutBytes(text);
        textOffset += text.size();
    }
    RequireFilled({index, texts}, "the alarms");
}

void CImageCompiler::RequireFilled(std::initializer_list<CImageCursor> cursors,
                                   const char* what) const {
    for (const CImageCursor& cursor : cursors)
        if (cursor.HasOverflowed() || !cursor.Rest().empty())
            throw CCompileError({},
                                std::string(what) + " do not fill the areas their layout reserved");
}

}  // namespace tavelo

#include "ScreenRecord.h"

#include <algorithm>

#include "ImageLayout.h"
#include "model/Screen.h"

namespace tavelo {

namespace {

using Encoder = std::unique_ptr<CGraphLoadDataBase>;

// Where the register goes among registers already in reading order.
bool GoesBefore(const CGraphLoadDataBase& placed, const CGraphLoadDataBase& added) {
    return placed.GetY() > added.GetY() ||
           (placed.GetY() == added.GetY() && placed.GetX() >= added.GetX());
}

}  // namespace

CScreenRecord::CScreenRecord(const CScreen& screen)
    : m_nNumber(screen.GetNumber()),
      m_nUpScreen(screen.GetUpScreen()),
      m_nDownScreen(screen.GetDownScreen()) {}

void CScreenRecord::Add(Encoder encoder) {
    const auto firstOther = m_encoders.begin() + static_cast<std::ptrdiff_t>(m_nSettable);
    auto place = firstOther;
    if (encoder->IsSettableRegister()) {
        ++m_nSettable;
    } else {
        place = std::find_if(firstOther, m_encoders.end(), [&](const Encoder& other) {
            return other->GetKind() > encoder->GetKind();
        });
    }
    switch (encoder->GetTable()) {
        case CGraphLoadDataBase::ETable::FunctionKeys:
            ++m_nKeys;
            break;
        case CGraphLoadDataBase::ETable::Poll:
            ++m_nPolled;
            break;
        case CGraphLoadDataBase::ETable::None:
            break;
    }
    if (encoder->GetKind() == kTrendGraphRecord) ++m_nTrends;
    if (encoder->GetKind() == kDynamicBitmapRecord) ++m_nDynamicBitmaps;
    m_encoders.insert(place, std::move(encoder));
    SortSettableRegisters();
}

void CScreenRecord::SortSettableRegisters() {
    std::vector<Encoder> sorted;
    sorted.reserve(m_nSettable);
    for (std::size_t i = 0; i < m_nSettable; ++i) {
        Encoder& added = m_encoders[i];
        const auto place = std::find_if(sorted.begin(), sorted.end(), [&](const Encoder& placed) {
            return GoesBefore(*placed, *added);
        });
        sorted.insert(place, std::move(added));
    }
    std::move(sorted.begin(), sorted.end(), m_encoders.begin());
}

std::size_t CScreenRecord::LayOut(std::size_t indexOffset, std::size_t recordOffset) {
    m_nIndexOffset = indexOffset;
    for (const Encoder& encoder : m_encoders) {
        encoder->SetOffset(recordOffset);
        recordOffset += encoder->GetRecordSize();
    }
    return recordOffset;
}

std::size_t CScreenRecord::FirstOffsetOf(std::uint8_t kind) const {
    const auto found = std::find_if(m_encoders.begin(), m_encoders.end(),
                                    [kind](const Encoder& e) { return e->GetKind() == kind; });
    return found == m_encoders.end() ? 0 : (*found)->GetOffset();
}

bool CScreenRecord::WriteTableEntry(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    const std::int32_t flags = (m_nSettable ? kSettableFlag : 0) | (m_nTrends ? kTrendFlag : 0) |
                               (m_nDynamicBitmaps ? kDynamicBitmapFlag : 0);
    out.Put16(m_nNumber);
    out.Put8(static_cast<std::int64_t>(m_encoders.size()));
    out.Put16(m_nUpScreen);
    out.Put16(m_nDownScreen);
    out.Put16(static_cast<std::int64_t>(m_nIndexOffset));
    out.Put8(static_cast<std::int64_t>(m_nKeys));
    out.Put16(static_cast<std::int64_t>(m_nKeyTableOffset));
    out.Put8(static_cast<std::int64_t>(m_nPolled));
    out.Put16(static_cast<std::int64_t>(m_nPollTableOffset));
    out.Put8(flags);
    out.Put8(static_cast<std::int64_t>(m_nSettable));
    out.Put16(static_cast<std::int64_t>(FirstOffsetOf(kRegisterRecord)));
    out.Put8(static_cast<std::int64_t>(m_nTrends));
    out.Put16(static_cast<std::int64_t>(FirstOffsetOf(kTrendGraphRecord)));
    out.Put8(static_cast<std::int64_t>(m_nDynamicBitmaps));
    out.Put16(static_cast<std::int64_t>(FirstOffsetOf(kDynamicBitmapRecord)));
    return out.GetCount() - start == kScreenEntrySize && !out.HasOverflowed();
}

bool CScreenRecord::WriteIndex(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    for (const Encoder& encoder : m_encoders) {
        out.Put8(encoder->GetKind());
        out.Put16(static_cast<std::int64_t>(encoder->GetOffset()));
        // One byte: a long dynamic text's size wraps, as the panel has always received it.
        out.Put8(static_cast<std::int64_t>(encoder->GetRecordSize()));
    }
    return out.GetCount() - start == kIndexEntrySize * m_encoders.size() && !out.HasOverflowed();
}

bool CScreenRecord::WriteRecords(CImageCursor& out) const {
    for (const Encoder& encoder : m_encoders)
        if (encoder->WriteRecord(out) != encoder->GetRecordSize()) return false;
    return !out.HasOverflowed();
}

bool CScreenRecord::WriteTable(CImageCursor& out, CGraphLoadDataBase::ETable table,
                               std::size_t entrySize) const {
    for (const Encoder& encoder : m_encoders)
        if (encoder->GetTable() == table && encoder->WriteTableEntry(out) != entrySize)
            return false;
    return !out.HasOverflowed();
}

bool CScreenRecord::WriteKeyTable(CImageCursor& out) const {
    return WriteTable(out, CGraphLoadDataBase::ETable::FunctionKeys, kKeyEntrySize);
}

bool CScreenRecord::WritePollTable(CImageCursor& out) const {
    return WriteTable(out, CGraphLoadDataBase::ETable::Poll, kPollEntrySize);
}

}  // namespace tavelo

#pragma once
// One screen of the image: its table entry, and its elements' encoders in the order the panel
// walks them (settable registers first, in reading order, then the others by record kind),
// with the element index, records, function-key table and poll table they make.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "GraphLoadDataBase.h"
#include "ImageCursor.h"

namespace tavelo {

class CScreen;

class CScreenRecord {
public:
    static constexpr std::int32_t kSettableFlag = 0x08;
    static constexpr std::int32_t kTrendFlag = 0x40;
    static constexpr std::int32_t kDynamicBitmapFlag = 0x80;

    explicit CScreenRecord(const CScreen& screen);

    // Inserts the encoder in panel order and counts it.
    void Add(std::unique_ptr<CGraphLoadDataBase> encoder);

    std::int32_t GetNumber() const { return m_nNumber; }
    const std::vector<std::unique_ptr<CGraphLoadDataBase>>& GetEncoders() const {
        return m_encoders;
    }
    std::size_t GetKeyCount() const { return m_nKeys; }
    std::size_t GetPollCount() const { return m_nPolled; }

    // Layout: the index at indexOffset; the records from recordOffset on, each encoder taking
    // its offset. Returns the end of the records.
    std::size_t LayOut(std::size_t indexOffset, std::size_t recordOffset);
    // A table without entries keeps offset 0.
    void SetKeyTableOffset(std::size_t offset) { m_nKeyTableOffset = m_nKeys ? offset : 0; }
    void SetPollTableOffset(std::size_t offset) { m_nPollTableOffset = m_nPolled ? offset : 0; }

    // Each writer is true only when it wrote exactly the bytes the layout reserved.
    bool WriteTableEntry(CImageCursor& out) const;
    bool WriteIndex(CImageCursor& out) const;
    bool WriteRecords(CImageCursor& out) const;
    bool WriteKeyTable(CImageCursor& out) const;
    bool WritePollTable(CImageCursor& out) const;

private:
    // Insertion sort of the settable registers by y, then x; among equal places a register
    // goes before the one already placed, as the panel tool has always ordered them.
    void SortSettableRegisters();
    // Offset of the first record of the kind; 0 when the screen has none.
    std::size_t FirstOffsetOf(std::uint8_t kind) const;
    bool WriteTable(CImageCursor& out, CGraphLoadDataBase::ETable table,
                    std::size_t entrySize) const;

    std::int32_t m_nNumber;
    std::int32_t m_nUpScreen;
    std::int32_t m_nDownScreen;
    std::vector<std::unique_ptr<CGraphLoadDataBase>> m_encoders;
    std::size_t m_nSettable = 0;
    std::size_t m_nKeys = 0;
    std::size_t m_nPolled = 0;
    std::size_t m_nTrends = 0;
    std::size_t m_nDynamicBitmaps = 0;
    std::size_t m_nIndexOffset = 0;
    std::size_t m_nKeyTableOffset = 0;
    std::size_t m_nPollTableOffset = 0;
};

}  // namespace tavelo

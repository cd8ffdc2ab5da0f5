#pragma once
// Base of the element record encoders: one encoder per downloadable element turns it into its
// record of the image and, for some kinds, an entry of its screen's function-key or poll table.

#include <cstddef>
#include <cstdint>

#include "ImageCursor.h"
#include "model/Geometry.h"

namespace tavelo {

class CRectObj;
class CRegisterUnit;

// Record kinds, the first byte of an element's index entry.
enum ERecordKind : std::uint8_t {
    kStaticTextRecord = 1,
    kFunctionKeyRecord = 2,
    kStaticBitmapRecord = 3,
    kRegisterRecord = 4,
    kIndicatorRecord = 5,
    kTrendGraphRecord = 6,
    kBarGraphRecord = 7,
    kDynamicTextRecord = 8,
    kDynamicBitmapRecord = 9,
};

// The PLC address fields of a record as the panel takes them, each cut to its width.
struct CPlcAddress {
    std::int32_t m_nStation = 0;
    std::int32_t m_nUnitCode = 0;
    // Register count x bytes per register, kept in one byte.
    std::int32_t m_nByteCount = 0;
    std::int32_t m_nAddress = 0;

    static CPlcAddress Of(const CRegisterUnit& unit);
};

// An element's top-left corner in dots as its record carries it: canvas units x 4/9,
// truncated, negative coordinates read as 0.
CPoint RecordPosition(const CRectObj& element);

class CGraphLoadDataBase {
public:
    enum class ETable { None, FunctionKeys, Poll };

    virtual ~CGraphLoadDataBase() = default;

    // Each returns the number of bytes it wrote (refused writes included), which the screen
    // record compares with the size the layout reserved.
    virtual std::size_t WriteRecord(CImageCursor& out) const = 0;
    virtual std::size_t WriteTableEntry(CImageCursor& /*out*/) const { return 0; }
    virtual std::size_t GetRecordSize() const = 0;
    virtual ETable GetTable() const { return ETable::None; }
    // Settable registers lead their screen's element list, in reading order.
    virtual bool IsSettableRegister() const { return false; }

    std::uint8_t GetKind() const { return m_nKind; }
    std::int32_t GetX() const { return m_nX; }
    std::int32_t GetY() const { return m_nY; }
    std::size_t GetOffset() const { return m_nOffset; }
    // Set by the layout.
    void SetOffset(std::size_t offset) { m_nOffset = offset; }

protected:
    explicit CGraphLoadDataBase(std::uint8_t kind) : m_nKind(kind) {}

    // The element's top-left corner in dots: canvas units x 4/9, truncated.
    void SetPosition(const CRectObj& element);
    // x and y, the first two bytes of every record.
    void PutPosition(CImageCursor& out) const;

private:
    std::int32_t m_nX = 0;
    std::int32_t m_nY = 0;
    std::uint8_t m_nKind;
    std::size_t m_nOffset = 0;
};

}  // namespace tavelo

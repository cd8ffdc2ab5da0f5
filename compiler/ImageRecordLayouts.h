#pragma once
// The byte layouts of the image's fixed-size parts, field by field, as the image reader
// decodes them: header, system block, screen entry, element index entry, the fixed part of
// each record kind, function-key and poll entries, alarm entries.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ImageContents.h"

namespace tavelo {

struct CFieldLayout {
    const char* m_pszName;
    std::uint8_t m_nWidth;  // 1, 2 or 4 bytes, big-endian
    bool m_bSigned;
};

enum class EImagePart {
    Header,
    SystemBlock,
    Screen,
    IndexEntry,
    KeyEntry,
    JumpKeyEntry,
    PollEntry,
    AlarmEntry,
    DynamicTextRow
};

std::span<const CFieldLayout> PartLayout(EImagePart part);
// The fixed part of a record of the kind (the whole record for all but static and dynamic
// texts); empty for an unknown kind.
std::span<const CFieldLayout> RecordLayout(std::uint8_t kind);
// "staticText", "functionKey", ...; "unknown" for any other kind.
const char* RecordKindName(std::uint8_t kind);
std::size_t LayoutSize(std::span<const CFieldLayout> layout);

// Appends the fields found at offset; the caller has checked that the layout fits.
void DecodeFields(std::span<const std::uint8_t> bytes, std::size_t offset,
                  std::span<const CFieldLayout> layout, std::vector<CImageField>& fields);

}  // namespace tavelo

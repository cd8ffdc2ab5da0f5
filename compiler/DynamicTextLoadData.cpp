#include "DynamicTextLoadData.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "ByteCount.h"
#include "CompilerMessages.h"
#include "TextRecordParts.h"
#include "elements/DynamicText.h"

namespace tavelo {

namespace {

constexpr std::int32_t kDecimalBit = 0x20;
constexpr int kSizeClassShift = 2;

bool IsBlank(char16_t character) {
    return character == u' ' || (character >= u'\t' && character <= u'\r');
}

}  // namespace

std::int32_t CDynamicTextLoadData::RowValue(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude =
            std::min<std::int64_t>(magnitude * 10 + (text[i] - u'0'),
                                   std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1);
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t CDynamicTextLoadData::VectorSizeClass(std::int32_t size) {
    switch (std::llabs(static_cast<std::int64_t>(size))) {
        case 12:
            return 3;
        case 14:
            return 2;
        case 16:
            return 1;
        default:
            return 0;
    }
}

void CDynamicTextLoadData::Compute(const CDynamicText& text, const CImageLibraries& libraries,
                                   std::vector<std::u16string>& notes) {
    SetPosition(text);
    const CVectorFace face = VectorFaceOf(text);
    const CVectorFace* vectorFace = text.IsVector() ? &face : nullptr;
    m_nLook = BaseLook(text) | (text.IsDecimal() ? kDecimalBit : 0) |
              (vectorFace ? VectorSizeClass(face.m_nSize) << kSizeClassShift : 0);
    m_nMaxColumns = text.GetMaxColumns();

    const auto& texts = text.GetTextList();
    const auto& values = text.GetValueList();
    if (texts.size() != values.size()) notes.emplace_back(compiler_messages::kDynamicTextData);
    m_rows.clear();
    for (std::size_t i = 0; i < std::min(texts.size(), values.size()); ++i) {
        if (values[i].empty()) continue;
        m_rows.push_back({RowValue(values[i]), libraries.EncodeText(texts[i], vectorFace)});
        RequireByteCount(m_rows.back().m_codes.size(), compiler_messages::kDynamicTextRowBytes,
                         {text.m_nScreenNo, GetX(), GetY(), static_cast<std::int64_t>(i + 1)},
                         "a dynamic text row's code bytes");
    }
    RequireByteCount(m_rows.size(), compiler_messages::kDynamicTextRows,
                     {text.m_nScreenNo, GetX(), GetY()}, "a dynamic text's row count");
    SetPollAddress(CPlcAddress::Of(text.GetAddress()), text.GetLinearAddress());
}

std::size_t CDynamicTextLoadData::GetRecordSize() const {
    std::size_t size = kFixedSize + kRowSize * m_rows.size();
    for (const CRow& row : m_rows) size += row.m_codes.size();
    return size;
}

std::size_t CDynamicTextLoadData::WriteRecord(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    const CPlcAddress& address = GetAddress();
    const std::size_t rowTable = GetOffset() + kFixedSize;
    PutPosition(out);
    out.Put8(m_nLook);
    out.Put8(static_cast<std::int64_t>(m_rows.size()));
    out.Put8(m_nMaxColumns);
    out.Put16(static_cast<std::int64_t>(rowTable));
    out.Put8(address.m_nStation);
    out.Put16(GetPollAddress());
    out.Put8(address.m_nUnitCode);
    std::size_t textOffset = rowTable + kRowSize * m_rows.size();
    for (const CRow& row : m_rows) {
        out.Put16(row.m_nValue);
        out.Put16(static_cast<std::int64_t>(textOffset));
        out.Put8(static_cast<std::int64_t>(row.m_codes.size()));
        textOffset += row.m_codes.size();
    }
    for (const CRow& row : m_rows) out.PutBytes(row.m_codes);
    return out.GetCount() - start;
}

}  // namespace tavelo

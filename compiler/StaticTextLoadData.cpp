#include "StaticTextLoadData.h"

#include "ByteCount.h"
#include "CompilerMessages.h"
#include "TextRecordParts.h"
#include "elements/StaticText.h"

namespace tavelo {

void CStaticTextLoadData::Compute(const CStaticText& text, const CImageLibraries& libraries) {
    SetPosition(text);
    m_nLook = BaseLook(text);
    const CVectorFace face = VectorFaceOf(text);
    m_codes = libraries.EncodeText(text.GetText(), text.IsVector() ? &face : nullptr);
    RequireByteCount(m_codes.size(), compiler_messages::kStaticTextBytes,
                     {text.m_nScreenNo, GetX(), GetY()}, "a static text's code bytes");
}

std::size_t CStaticTextLoadData::WriteRecord(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    PutPosition(out);
    out.Put8(m_nLook);
    out.Put8(static_cast<std::int64_t>(m_codes.size()));
    out.PutBytes(m_codes);
    return out.GetCount() - start;
}

}  // namespace tavelo

// Feeds arbitrary bytes to the BMP import of static bitmaps: any input must give a picture or a
// message, never crash, leak or allocate beyond its size; an accepted picture must fit the
// display, hold consistent sizes, store and preview.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "elements/BitmapImport.h"
#include "elements/StaticBitmap.h"
#include "model/Archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tavelo::CPanelBitmap;
    const tavelo::CBitmapImport import = tavelo::CBitmapImport::FromBytes({data, size});
    if (import.m_bitmap.has_value() == !import.m_strMessage.empty()) std::abort();
    if (!import.m_bitmap) return 0;
    const CPanelBitmap& bitmap = *import.m_bitmap;
    if (bitmap.m_nWidth <= 0 || bitmap.m_nWidth > CPanelBitmap::kMaxWidth ||
        bitmap.m_nHeight <= 0 || bitmap.m_nHeight > CPanelBitmap::kMaxHeight ||
        bitmap.m_rowBytes.size() !=
            static_cast<std::size_t>(CPanelBitmap::RowLength(bitmap.m_nWidth) * bitmap.m_nHeight) ||
        bitmap.m_panelBytes.size() !=
            static_cast<std::size_t>(bitmap.m_nWidth * bitmap.m_nHeight / 8))
        std::abort();
    tavelo::CStaticBitmap element(bitmap, u"fuzz.bmp");
    tavelo::CArchive ar("f.ZORX");
    element.Serialize(ar);
    const tavelo::CMonoPicture picture = element.GetPreviewPicture();
    if (picture.m_nWidth != bitmap.m_nPixelWidth || picture.m_nHeight != bitmap.m_nPixelHeight)
        std::abort();
    return 0;
}

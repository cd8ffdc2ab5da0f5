#include "BitmapPlacement.h"

#include <filesystem>

namespace tavelo {

CBitmapImport ImportPlaceableBitmap(const std::u16string& path) {
    CBitmapImport import = CBitmapImport::FromFile(std::filesystem::path(path));
    if (import.m_bitmap && (import.m_bitmap->m_nPixelWidth > CPanelBitmap::kMaxWidth ||
                            import.m_bitmap->m_nPixelHeight > CPanelBitmap::kMaxHeight))
        return {std::nullopt, CPanelBitmap::kTooLargeMessage};
    return import;
}

}  // namespace tavelo

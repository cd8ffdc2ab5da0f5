#include "BitmapImport.h"

#include "BmpFile.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "model/TextCodec.h"

namespace tavelo {

CBitmapImport CBitmapImport::FromBytes(std::span<const std::uint8_t> bytes) {
    try {
        const CBmpFile bmp = CBmpFile::Parse(bytes);
        if (auto refusal = CPanelBitmap::CheckSize(bmp.GetWidth(), bmp.GetHeight()))
            return {std::nullopt, std::move(*refusal)};
        return {CPanelBitmap::FromBmp(bmp), {}};
    } catch (const CBmpError& error) {
        return {std::nullopt, FromUtf8(error.what())};
    }
}

CBitmapImport CBitmapImport::FromFile(const std::filesystem::path& file) {
    try {
        return FromBytes(ReadFileBytes(file));
    } catch (const CFileError& error) {
        return {std::nullopt, FromUtf8(error.what())};
    }
}

}  // namespace tavelo

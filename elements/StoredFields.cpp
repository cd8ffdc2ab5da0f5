#include "StoredFields.h"

#include <bit>

#include "model/Archive.h"

namespace tavelo {

void TransferByte(CArchive& ar, std::int32_t& value) {
    std::uint8_t byte = static_cast<std::uint8_t>(value);
    ar.U8(byte);
    if (ar.IsLoading()) value = byte;
}

void TransferDouble(CArchive& ar, double& value) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    std::uint32_t low = static_cast<std::uint32_t>(bits);
    std::uint32_t high = static_cast<std::uint32_t>(bits >> 32);
    ar.U32(low);
    ar.U32(high);
    if (ar.IsLoading()) value = std::bit_cast<double>((std::uint64_t{high} << 32) | low);
}

}  // namespace tavelo

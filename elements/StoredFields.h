#pragma once
// Archive transfers for the element members that the project file keeps in a form other than
// int32: one byte, or an IEEE 754 double.

#include <cstdint>

namespace tavelo {

class CArchive;

// Writes the low 8 bits; reading gives 0..255.
void TransferByte(CArchive& ar, std::int32_t& value);
// Eight bytes, little-endian, bit for bit (NaNs included), so a read value writes back the same.
void TransferDouble(CArchive& ar, double& value);

}  // namespace tavelo

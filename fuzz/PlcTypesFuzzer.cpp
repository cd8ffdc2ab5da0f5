// Feeds arbitrary bytes to the PLC type file reader: any input must be read or refused with a
// CArchiveError, never crash, leak or allocate beyond its size.

#include <cstddef>
#include <cstdint>

#include "model/ArchiveError.h"
#include "plc/PlcTypeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        tavelo::CPlcTypeFile::Parse({data, size}, "PlcTypes.DAT");
    } catch (const tavelo::CArchiveError&) {
    }
    return 0;
}

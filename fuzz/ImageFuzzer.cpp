// Feeds arbitrary bytes to the download image reader: any input must be decoded or refused
// with its violations, never crash, leak or read outside the bytes.

#include <cstddef>
#include <cstdint>

#include "compiler/ImageReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavelo::CImageReader::Read({data, size});
    return 0;
}

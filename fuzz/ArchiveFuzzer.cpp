// Feeds arbitrary bytes to the archive reader as a stream of tagged objects and strings: any
// input must end in a clean CArchiveError, never a crash, leak or huge allocation.

#include <cstddef>
#include <cstdint>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavelo::CClassRegistry registry;
    tavelo::RegisterModelClasses(registry);
    const bool withStation = size > 0 && (data[0] & 1);
    tavelo::CArchive ar({data, size}, withStation ? "f.ZORX" : "f.ZOR", registry);
    try {
        while (!ar.IsAtEnd()) {
            std::u16string text;
            ar.String(text);
            ar.ReadObject();
        }
    } catch (const tavelo::CArchiveError&) {
    }
    return 0;
}

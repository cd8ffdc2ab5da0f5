// Feeds arbitrary bytes to the reader of the elements another editor put on the clipboard, and
// pastes what it accepts twice onto one screen: any input must be pasted or refused with a
// CArchiveError, never crash, hang, leak or allocate beyond its size.

#include <cstddef>
#include <cstdint>

#include "elements/ElementClasses.h"
#include "model/ArchiveError.h"
#include "model/ClassRegistry.h"
#include "model/ElementTransfer.h"
#include "model/GraphObj.h"
#include "model/ModelClasses.h"
#include "model/TaveloDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavelo::CClassRegistry registry;
    tavelo::RegisterModelClasses(registry);
    tavelo::RegisterElementClasses(registry);
    tavelo::CTaveloDoc doc;
    try {
        for (int paste = 0; paste < 2; ++paste) {
            tavelo::CElementTransfer::Elements elements =
                tavelo::CElementTransfer::Read({data, size}, registry);
            tavelo::CElementTransfer::PlaceOnScreen(elements, doc, 1);
            for (auto& element : elements) doc.AddElement(std::move(element));
        }
    } catch (const tavelo::CArchiveError&) {
    }
    return 0;
}

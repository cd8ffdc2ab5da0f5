// Feeds arbitrary bytes to the project reader under both kinds of file name: any input must be
// read or refused with a CArchiveError, never crash, leak or allocate beyond its size.

#include <cstddef>
#include <cstdint>

#include "elements/ElementClasses.h"
#include "model/AppState.h"
#include "model/ArchiveError.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/ProjectFile.h"
#include "model/TaveloDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavelo::CClassRegistry registry;
    tavelo::RegisterModelClasses(registry);
    tavelo::RegisterElementClasses(registry);
    for (const char* name : {"f.ZORX", "f.ZOR"}) {
        tavelo::CTaveloDoc doc;
        tavelo::CAppState state;
        try {
            tavelo::CProjectFile::Read({data, size}, name, registry, doc, state);
            tavelo::CProjectFile::Write(doc, state, name);
        } catch (const tavelo::CArchiveError&) {
        }
    }
    return 0;
}

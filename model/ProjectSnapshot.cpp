#include "ProjectSnapshot.h"

#include "ProjectFile.h"
#include "TaveloDoc.h"

namespace tavelo {
namespace {

// The layout that stores every field.
constexpr const char* kSnapshotName = "snapshot.ZORX";

}  // namespace

std::vector<std::uint8_t> CProjectSnapshot::Take(CTaveloDoc& doc, CAppState& state) {
    return CProjectFile::Write(doc, state, kSnapshotName);
}

void CProjectSnapshot::Restore(std::span<const std::uint8_t> bytes, const CClassRegistry& registry,
                               CTaveloDoc& doc, CAppState& state) {
    CProjectFile::Read(bytes, kSnapshotName, registry, doc, state);
    doc.ArrangeByClassNames();
}

}  // namespace tavelo

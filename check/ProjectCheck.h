#pragma once
// The project check: everything that would make a download fail or show garbage on the panel,
// and what is probably unintended, found without touching the project. It compiles the image
// once, and hands it on, so a download that follows need not compile again.

#include <cstddef>
#include <filesystem>
#include <vector>

#include "AddressUses.h"
#include "Finding.h"
#include "compiler/CompileOutcome.h"

namespace tavelo {

class CAppState;
class CGlyphRasteriser;
class CTaveloDoc;

struct CCheckResult {
    // Errors first, then warnings; each in the order of screens, then elements.
    std::vector<CFinding> m_findings;
    std::vector<CAddressUse> m_uses;
    CCompileOutcome m_compiled;

    std::size_t Count(ESeverity severity) const;
};

// dataDirectory holds the panel's font and graphics files; a null rasteriser makes the
// FreeType one when vector texts need it.
CCheckResult CheckProject(const CTaveloDoc& doc, const CAppState& state,
                          const std::filesystem::path& dataDirectory,
                          CGlyphRasteriser* rasteriser = nullptr);

}  // namespace tavelo

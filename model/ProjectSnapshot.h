#pragma once
// The whole project as the bytes a save writes, for putting it back exactly as it was: undo
// keeps one before and one after every edit. The bytes always carry station numbers, and a
// restored project keeps the drawing order it had, not the order a file read gives.

#include <cstdint>
#include <span>
#include <vector>

namespace tavelo {

class CAppState;
class CClassRegistry;
class CTaveloDoc;

class CProjectSnapshot {
public:
    static std::vector<std::uint8_t> Take(CTaveloDoc& doc, CAppState& state);
    // Replaces the document's screens, elements and settings and the process-wide state by the
    // snapshot's. Every element is a new object afterwards; the modified mark is the caller's.
    static void Restore(std::span<const std::uint8_t> bytes, const CClassRegistry& registry,
                        CTaveloDoc& doc, CAppState& state);
};

}  // namespace tavelo

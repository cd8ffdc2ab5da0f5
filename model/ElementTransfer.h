#pragma once
// Screen elements as bytes for the clipboard: an object list of their bodies, exactly as the
// project file stores them (station numbers included), so they paste into any running editor.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace tavelo {

class CClassRegistry;
class CGraphObj;
class CTaveloDoc;

class CElementTransfer {
public:
    using Elements = std::vector<std::unique_ptr<CGraphObj>>;

    static std::vector<std::uint8_t> Write(const std::vector<const CGraphObj*>& elements);
    // Bytes from outside: throws CArchiveError (what and where) for damage and for any object
    // that is not an element kind the project file stores.
    static Elements Read(std::span<const std::uint8_t> bytes, const CClassRegistry& registry);
    // Gives the elements the screen's number, then moves them 4 dots right and down as long as
    // the screen holds an element equal to each of them at their place, so a paste never hides
    // under its own original.
    static void PlaceOnScreen(Elements& elements, const CTaveloDoc& doc, std::int32_t screen);
};

}  // namespace tavelo

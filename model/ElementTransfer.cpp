#include "ElementTransfer.h"

#include <algorithm>
#include <string>

#include "Archive.h"
#include "ElementKind.h"
#include "TaveloDoc.h"

namespace tavelo {
namespace {

// The layout that stores every field.
constexpr const char* kTransferName = "clipboard.ZORX";
// A known-class tag and a one-byte body.
constexpr std::size_t kSmallestElement = 2 + 1;
// Canvas units of one paste offset: 4 dots, the grid the editor snaps to.
constexpr std::int32_t kTwinOffset = 9;

std::vector<std::uint8_t> BytesOf(const CGraphObj& element) {
    CArchive ar(kTransferName);
    ar.WriteObject(&element);
    return ar.GetBytes();
}

bool HasTwin(const CGraphObj& element, const std::vector<std::vector<std::uint8_t>>& onScreen) {
    return std::find(onScreen.begin(), onScreen.end(), BytesOf(element)) != onScreen.end();
}

}  // namespace

std::vector<std::uint8_t> CElementTransfer::Write(const std::vector<const CGraphObj*>& elements) {
    CArchive ar(kTransferName);
    ar.WriteObjectList(elements);
    return ar.GetBytes();
}

CElementTransfer::Elements CElementTransfer::Read(std::span<const std::uint8_t> bytes,
                                                  const CClassRegistry& registry) {
    CArchive ar(bytes, kTransferName, registry);
    const std::uint32_t count = ar.ReadListCount(kSmallestElement);
    Elements elements;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t offset = ar.GetOffset();
        std::unique_ptr<CGraphObj> element = ar.ReadObjectOf<CGraphObj>("a screen element");
        // Screens and lines are objects of the archive too, but no element list holds them.
        if (!KindOfClassName(element->GetClassName()))
            ar.FailAt("object of class " + element->GetClassName() +
                          " where a screen element was expected",
                      offset);
        elements.push_back(std::move(element));
    }
    if (!ar.IsAtEnd())
        ar.Fail(std::to_string(ar.GetRemaining()) + " bytes follow the last element");
    return elements;
}

void CElementTransfer::PlaceOnScreen(Elements& elements, const CTaveloDoc& doc,
                                     std::int32_t screen) {
    for (const auto& element : elements) element->m_nScreenNo = screen;
    std::vector<std::vector<std::uint8_t>> onScreen;
    for (const auto& element : doc.GetElements())
        if (element->m_nScreenNo == screen) onScreen.push_back(BytesOf(*element));
    // Ends: every round needs an element of the screen at a place no earlier round used.
    while (!elements.empty() &&
           std::all_of(elements.begin(), elements.end(),
                       [&onScreen](const auto& element) { return HasTwin(*element, onScreen); }))
        for (const auto& element : elements) element->MoveBy(kTwinOffset, kTwinOffset);
}

}  // namespace tavelo

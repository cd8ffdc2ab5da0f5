#include "TaveloDoc.h"

#include <algorithm>
#include <unordered_map>

#include "ElementView.h"

namespace tavelo {

namespace {

// Takes the element out of an owning list; null when the list does not hold it.
std::unique_ptr<CGraphObj> TakeFrom(CTaveloDoc::ElementList& list, const CGraphObj* element) {
    auto it = std::find_if(list.begin(), list.end(),
                           [element](const auto& owned) { return owned.get() == element; });
    if (it == list.end()) return nullptr;
    std::unique_ptr<CGraphObj> taken = std::move(*it);
    list.erase(it);
    return taken;
}

std::u16string AsciiToU16(const std::string& text) {
    return {text.begin(), text.end()};
}

}  // namespace

CGraphObj& CTaveloDoc::AddElement(std::unique_ptr<CGraphObj> element) {
    element->SetOwnerDoc(this);
    m_elements.push_back(std::move(element));
    SetModified();
    return *m_elements.back();
}

std::unique_ptr<CGraphObj> CTaveloDoc::RemoveElement(const CGraphObj* element) {
    std::unique_ptr<CGraphObj> taken = TakeFrom(m_elements, element);
    SetModified();
    return taken;
}

void CTaveloDoc::RemoveFromKindLists(const CGraphObj* element) {
    // An element is in one kind list at most.
    for (KindList& list : m_kindLists) {
        auto it = std::find(list.begin(), list.end(), element);
        if (it != list.end()) {
            list.erase(it);
            return;
        }
    }
}

bool CTaveloDoc::IsInKindList(const CGraphObj* element) const {
    return std::any_of(m_kindLists.begin(), m_kindLists.end(), [element](const KindList& list) {
        return std::find(list.begin(), list.end(), element) != list.end();
    });
}

void CTaveloDoc::DeleteElement(const CGraphObj* element) {
    RemoveFromKindLists(element);
    if (!RemoveElement(element)) TakeFrom(m_readElements, element);
}

void CTaveloDoc::DeleteAll() {
    // The pointing lists go first, so none of them ever points to a freed element.
    for (KindList& list : m_kindLists) list.clear();
    m_elements.clear();
    m_readElements.clear();
    m_screens.clear();
    m_classNames.clear();
}

void CTaveloDoc::ClearAll() {
    DeleteAll();
    SetModified();
}

CGraphObj* CTaveloDoc::ElementAt(CPoint point, const CElementView& view) const {
    const std::int32_t screen = view.GetCurrentScreenNo();
    for (auto it = m_elements.rbegin(); it != m_elements.rend(); ++it)
        if ((*it)->m_nScreenNo == screen && (*it)->HitPoint(view, point) != 0) return it->get();
    return nullptr;
}

void CTaveloDoc::DrawScreen(CDrawSurface& surface, const CElementView& view) const {
    const std::int32_t screen = view.GetCurrentScreenNo();
    for (const auto& element : m_elements)
        if (element->m_nScreenNo == screen && !view.IsSelected(*element))
            element->Draw(view, surface);
    for (const auto& element : m_elements) {
        if (element->m_nScreenNo != screen || !view.IsSelected(*element)) continue;
        element->Draw(view, surface);
        if (!view.IsPlacementPreviewOn())
            element->DrawSelectionMarks(surface, CGraphObj::kMarksSelected);
    }
}

void CTaveloDoc::BringToFront(const CGraphObj* element) {
    auto it = std::find_if(m_elements.begin(), m_elements.end(),
                           [element](const auto& owned) { return owned.get() == element; });
    if (it != m_elements.end()) std::rotate(it, it + 1, m_elements.end());
}

CScreen& CTaveloDoc::AddScreen(std::unique_ptr<CScreen> screen) {
    SetModified();
    return InsertScreen(std::move(screen));
}

bool CTaveloDoc::DeleteScreen(const CScreen* screen) {
    auto it = std::find_if(m_screens.begin(), m_screens.end(),
                           [screen](const auto& owned) { return owned.get() == screen; });
    if (it == m_screens.end()) return false;
    const std::int32_t number = screen->GetNumber();
    m_screens.erase(it);
    auto onScreen = [number](const auto& element) { return element->m_nScreenNo == number; };
    for (const auto& element : m_elements)
        if (onScreen(element)) RemoveFromKindLists(element.get());
    std::erase_if(m_elements, onScreen);
    SetModified();
    return true;
}

CScreen* CTaveloDoc::FindScreen(std::int32_t number) const {
    auto it = std::find_if(m_screens.begin(), m_screens.end(),
                           [number](const auto& screen) { return screen->GetNumber() == number; });
    return it == m_screens.end() ? nullptr : it->get();
}

std::int32_t CTaveloDoc::GetFirstScreenNumber() const {
    return m_screens.empty() ? -1 : m_screens.front()->GetNumber();
}

CScreen& CTaveloDoc::CopyScreen(std::int32_t source, std::int32_t target) {
    std::unique_ptr<CScreen> screen = MakeNewScreen(target, NumberedScreenDescription(target));
    // Copies are appended while walking; stopping at the elements present at the start also
    // keeps a copy onto the source's own number from running forever.
    const std::size_t count = m_elements.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (m_elements[i]->m_nScreenNo != source) continue;
        std::unique_ptr<CGraphObj> copy = m_elements[i]->Clone();
        if (!copy) continue;
        copy->m_nScreenNo = target;
        AddElement(std::move(copy));
    }
    return AddScreen(std::move(screen));
}

void CTaveloDoc::BuildKindLists() {
    for (KindList& list : m_kindLists) list.clear();
    for (const auto& element : m_elements)
        if (auto kind = KindOfClassName(element->GetClassName()))
            KindListOf(*kind).push_back(element.get());
}

void CTaveloDoc::RebuildElementList() {
    std::unordered_map<const CGraphObj*, std::unique_ptr<CGraphObj>> owned;
    for (ElementList* store : {&m_elements, &m_readElements}) {
        for (auto& element : *store) owned.emplace(element.get(), std::move(element));
        store->clear();
    }
    for (EElementKind kind : kDrawingKindOrder) {
        for (CGraphObj* element : KindListOf(kind)) {
            // A pointer the document does not own was handed out by RemoveElement.
            auto it = owned.find(element);
            if (it == owned.end()) continue;
            AddElement(std::move(it->second));
            owned.erase(it);
        }
    }
}

void CTaveloDoc::RebuildClassNames() {
    m_classNames.clear();
    for (const auto& element : m_elements)
        m_classNames.push_back(AsciiToU16(element->GetClassName()));
}

void CTaveloDoc::ArrangeByClassNames() {
    std::array<std::size_t, kElementKindCount> taken{};
    std::unordered_map<const CGraphObj*, std::size_t> rank;
    for (const std::u16string& name : m_classNames) {
        const std::optional<EElementKind> kind =
            KindOfClassName(std::string(name.begin(), name.end()));
        if (!kind) continue;
        const KindList& list = KindListOf(*kind);
        std::size_t& next = taken[static_cast<std::size_t>(*kind)];
        if (next < list.size()) rank.emplace(list[next++], rank.size());
    }
    const auto rankOf = [&rank](const std::unique_ptr<CGraphObj>& element) {
        const auto it = rank.find(element.get());
        return it == rank.end() ? rank.size() : it->second;
    };
    std::stable_sort(m_elements.begin(), m_elements.end(),
                     [&rankOf](const auto& a, const auto& b) { return rankOf(a) < rankOf(b); });
}

const CTaveloDoc::KindList& CTaveloDoc::GetKindList(EElementKind kind) const {
    return m_kindLists[static_cast<std::size_t>(kind)];
}

void CTaveloDoc::AdoptReadElement(EElementKind kind, std::unique_ptr<CGraphObj> element) {
    element->SetOwnerDoc(this);
    KindListOf(kind).push_back(element.get());
    m_readElements.push_back(std::move(element));
}

void CTaveloDoc::AdoptReadScreen(std::unique_ptr<CScreen> screen) {
    InsertScreen(std::move(screen));
}

void CTaveloDoc::Swap(CTaveloDoc& other) {
    std::swap(m_sizeDisplay, other.m_sizeDisplay);
    m_elements.swap(other.m_elements);
    m_screens.swap(other.m_screens);
    m_classNames.swap(other.m_classNames);
    m_kindLists.swap(other.m_kindLists);
    m_readElements.swap(other.m_readElements);
    std::swap(m_alarms, other.m_alarms);
    std::swap(m_systemSettings, other.m_systemSettings);
    std::swap(m_link, other.m_link);
    std::swap(m_bModified, other.m_bModified);
    AdoptAll();
    other.AdoptAll();
}

void CTaveloDoc::UpdateAllViews() const {
    if (m_viewUpdater) m_viewUpdater();
}

void CTaveloDoc::AdoptAll() {
    for (ElementList* store : {&m_elements, &m_readElements})
        for (auto& element : *store) element->SetOwnerDoc(this);
}

CScreen& CTaveloDoc::InsertScreen(std::unique_ptr<CScreen> screen) {
    const std::int32_t number = screen->GetNumber();
    auto greater = std::find_if(m_screens.begin(), m_screens.end(),
                                [number](const auto& held) { return held->GetNumber() > number; });
    return **m_screens.insert(greater, std::move(screen));
}

}  // namespace tavelo

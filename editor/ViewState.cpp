#include "ViewState.h"

#include <algorithm>
#include <limits>

#include "model/TaveloDoc.h"

namespace tavelo {

bool CViewState::IsSelected(const CGraphObj& element) const {
    return element.m_nScreenNo != m_nCurrentScreen || IsInSelection(&element);
}

CScreen* CViewState::GetCurrentScreen() const {
    return m_doc.FindScreen(m_nCurrentScreen);
}

bool CViewState::IsInSelection(const CGraphObj* element) const {
    return std::find(m_selection.begin(), m_selection.end(), element) != m_selection.end();
}

void CViewState::Select(CGraphObj* element, bool add) {
    if (!add) {
        m_selection.clear();
        NotifyCanvasChanged();
    }
    if (!element || IsSelected(*element)) {
        if (!m_doc.GetScreens().empty()) NotifyShowProperties(nullptr, kScreenTemplate);
        m_selection.clear();
        return;
    }
    m_selection.push_back(element);
    // Once, here, rather than at every repaint: the saved order then follows the user's picks.
    m_doc.BringToFront(element);
    NotifyShowProperties(element, kByKind);
    NotifyCanvasChanged();
}

void CViewState::SelectInBand(const CRect& canvasBand, bool add) {
    if (!add) m_selection.clear();
    std::vector<CGraphObj*> touched;
    for (const auto& element : m_doc.GetElements())
        if (element->m_nScreenNo == m_nCurrentScreen && element->HitBand(*this, canvasBand))
            touched.push_back(element.get());
    // Collected first: selecting brings an element to the front, which reorders the list.
    for (CGraphObj* element : touched) Select(element, true);
}

void CViewState::SelectAll() {
    std::vector<CGraphObj*> onScreen;
    for (const auto& element : m_doc.GetElements())
        if (element->m_nScreenNo == m_nCurrentScreen) onScreen.push_back(element.get());
    m_selection.clear();
    for (CGraphObj* element : onScreen) Select(element, true);
    NotifyCanvasChanged();
}

void CViewState::AddElements(std::vector<std::unique_ptr<CGraphObj>> elements) {
    if (elements.empty()) return;
    NotifyEditStarting(EEditStep::kPlace);
    m_selection.clear();
    for (auto& element : elements) {
        element->m_nScreenNo = m_nCurrentScreen;
        Select(&m_doc.AddElement(std::move(element)), true);
    }
}

void CViewState::Forget(const CGraphObj* element) {
    std::erase(m_selection, element);
    if (m_pListener) m_pListener->ElementDeleting(element);
}

void CViewState::MoveSelection(std::int32_t dx, std::int32_t dy) {
    if (!m_selection.empty()) NotifyEditStarting(EEditStep::kMove);
    for (CGraphObj* element : m_selection) element->MoveBy(dx, dy);
    NotifyCanvasChanged();
}

void CViewState::DeleteSelection() {
    if (!m_selection.empty()) NotifyEditStarting(EEditStep::kDelete);
    const std::vector<CGraphObj*> doomed = m_selection;
    for (CGraphObj* element : doomed) {
        Forget(element);
        m_doc.DeleteElement(element);
    }
    m_selection.clear();
    NotifyShowProperties(nullptr, kScreenTemplate);
    NotifyCanvasChanged();
}

namespace {

std::int32_t Edge(const CRect& rect, EAlignment alignment) {
    switch (alignment) {
        case EAlignment::kLeft:
            return rect.left;
        case EAlignment::kRight:
            return rect.right;
        case EAlignment::kTop:
            return rect.top;
        case EAlignment::kBottom:
            return rect.bottom;
    }
    return 0;
}

bool TakesSmallest(EAlignment alignment) {
    return alignment == EAlignment::kLeft || alignment == EAlignment::kTop;
}

}  // namespace

void CViewState::Align(EAlignment alignment) {
    // Edges as the canvas shows them: a static bitmap's position is its picture's extent.
    if (!CanAlign() || Edge(m_selection.front()->GetCanvasRect(), alignment) < 0) return;
    NotifyEditStarting(EEditStep::kAlign);
    std::int32_t reference = TakesSmallest(alignment) ? std::numeric_limits<std::int32_t>::max()
                                                      : std::numeric_limits<std::int32_t>::min();
    for (const CGraphObj* element : m_selection) {
        const std::int32_t edge = Edge(element->GetCanvasRect(), alignment);
        reference =
            TakesSmallest(alignment) ? std::min(reference, edge) : std::max(reference, edge);
    }
    const bool horizontal = alignment == EAlignment::kLeft || alignment == EAlignment::kRight;
    for (CGraphObj* element : m_selection) {
        const std::int32_t shift =
            WrapInt32(std::int64_t{reference} - Edge(element->GetCanvasRect(), alignment));
        if (shift != 0) element->MoveBy(horizontal ? shift : 0, horizontal ? 0 : shift);
    }
    NotifyShowProperties(nullptr, kScreenTemplate);
    NotifyCanvasChanged();
}

void CViewState::NotifyCanvasChanged() const {
    if (m_pListener) m_pListener->CanvasChanged();
}

void CViewState::NotifyShowProperties(CGraphObj* object, int templateId) const {
    if (m_pListener) m_pListener->ShowProperties(object, templateId);
}

void CViewState::NotifyEditStarting(EEditStep step) const {
    if (m_pListener) m_pListener->EditStarting(step);
}

void CViewState::NotifySelectionMoved() const {
    if (m_pListener) m_pListener->SelectionMoved();
}

}  // namespace tavelo

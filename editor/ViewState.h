#pragma once
// The editing state of the one view, without widgets: whether a project is open, the current
// screen, the selection and its operations, the current tool, the placement preview and the
// grid. Tools, commands and panels change it; the view listens and draws it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ElementView.h"
#include "model/Geometry.h"
#include "undo/EditStep.h"

namespace tavelo {

class CAppState;
class CGraphObj;
class CScreen;
class CTaveloDoc;

// What the view does when the state changes.
class CViewStateListener {
public:
    virtual ~CViewStateListener() = default;
    // What the canvas shows changed.
    virtual void CanvasChanged() = 0;
    // Show the panel of an element (kByKind) or of a template; null with kScreenTemplate
    // shows the current screen.
    virtual void ShowProperties(CGraphObj* object, int templateId) = 0;
    // The selection moved: visible panels show the new positions.
    virtual void SelectionMoved() = 0;
    // The element is about to be freed: nothing may keep it.
    virtual void ElementDeleting(const CGraphObj* element) = 0;
    // The document is about to change by the user's action, which undo can take back.
    virtual void EditStarting(EEditStep step) = 0;
};

struct CPlacementPreview {
    bool m_bOn = false;
    // In client pixels.
    CRect m_rcClient;
    // The new element's nominal size.
    CSize m_sizeDots;
};

enum class EAlignment { kLeft, kRight, kTop, kBottom };

class CViewState : public CElementView {
public:
    static constexpr int kByKind = -1;
    static constexpr int kScreenTemplate = 134;
    static constexpr int kSelectTool = 0;

    CViewState(CTaveloDoc& doc, CAppState& state) : m_doc(doc), m_state(state) {}

    CTaveloDoc& GetDoc() const { return m_doc; }
    CAppState& GetAppState() const { return m_state; }
    void SetListener(CViewStateListener* listener) { m_pListener = listener; }

    bool IsProjectOpen() const { return m_bProjectOpen; }
    void SetProjectOpen(bool open) { m_bProjectOpen = open; }

    // CElementView
    std::int32_t GetCurrentScreenNo() const override { return m_nCurrentScreen; }
    // An element on another screen counts as selected, as the document's drawing expects.
    bool IsSelected(const CGraphObj& element) const override;
    bool IsPlacementPreviewOn() const override { return m_preview.m_bOn; }

    void SetCurrentScreenNo(std::int32_t number) { m_nCurrentScreen = number; }
    // The current screen of the document, or null.
    CScreen* GetCurrentScreen() const;

    // Selection, in the order elements joined it.
    const std::vector<CGraphObj*>& GetSelection() const { return m_selection; }
    bool IsInSelection(const CGraphObj* element) const;
    // Without add, the selection is emptied first. An element that is absent, already
    // selected or on another screen ends with an empty selection and the screen's panel;
    // otherwise it joins, comes to the front of the drawing order and its panel shows.
    void Select(CGraphObj* element, bool add);
    // Every element of the current screen the band touches, in drawing order, through Select.
    void SelectInBand(const CRect& canvasBand, bool add);
    // Every element of the current screen, in drawing order, through Select.
    void SelectAll();
    void ClearSelection() { m_selection.clear(); }
    // Takes the elements as the selection without bringing them to the front: putting back
    // what undo recorded.
    void SetSelection(std::vector<CGraphObj*> elements) { m_selection = std::move(elements); }
    // Adds new elements on top of the current screen and selects them; the last one's panel
    // shows.
    void AddElements(std::vector<std::unique_ptr<CGraphObj>> elements);
    // Forgets an element that is about to be freed.
    void Forget(const CGraphObj* element);
    void MoveSelection(std::int32_t dx, std::int32_t dy);
    void DeleteSelection();
    bool CanAlign() const { return m_bProjectOpen && m_selection.size() > 1; }
    void Align(EAlignment alignment);

    int GetCurrentTool() const { return m_nCurrentTool; }
    void SetCurrentTool(int tool) { m_nCurrentTool = tool; }
    CPlacementPreview& GetPreview() { return m_preview; }
    const CPlacementPreview& GetPreview() const { return m_preview; }

    bool IsGridShown() const { return m_bGridShown; }
    void SetGridShown(bool shown) { m_bGridShown = shown; }

    // The file the static bitmap tool places.
    std::u16string m_strBitmapPath;
    std::u16string m_strBitmapTitle;

    void NotifyCanvasChanged() const;
    void NotifyShowProperties(CGraphObj* object, int templateId) const;
    void NotifySelectionMoved() const;
    void NotifyEditStarting(EEditStep step) const;

private:
    CTaveloDoc& m_doc;
    CAppState& m_state;
    CViewStateListener* m_pListener = nullptr;
    bool m_bProjectOpen = false;
    std::int32_t m_nCurrentScreen = 0;
    std::vector<CGraphObj*> m_selection;
    int m_nCurrentTool = kSelectTool;
    CPlacementPreview m_preview;
    bool m_bGridShown = true;
};

}  // namespace tavelo

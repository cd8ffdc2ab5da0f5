#pragma once
// The project: it owns the screens and every screen element, keeps the element list in drawing
// order, the screens in ascending number and the per-kind lists the project file is written
// from and read into.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AlarmList.h"
#include "ElementKind.h"
#include "Geometry.h"
#include "GraphObj.h"
#include "LinkSettings.h"
#include "Screen.h"
#include "SystemSettings.h"

namespace tavelo {

class CDrawSurface;
class CElementView;

class CTaveloDoc {
public:
    using ElementList = std::vector<std::unique_ptr<CGraphObj>>;
    using KindList = std::vector<CGraphObj*>;
    using ScreenList = std::vector<std::unique_ptr<CScreen>>;

    static constexpr CSize kDisplaySize = {192, 64};

    CTaveloDoc() = default;
    CTaveloDoc(const CTaveloDoc&) = delete;
    CTaveloDoc& operator=(const CTaveloDoc&) = delete;

    // Element list. Each element is owned exactly once: by the element list, or, between a
    // read and the rebuild of the element list, by the document's store of read elements.
    // The per-kind lists only point to elements.

    // Appends, adopts and marks the document modified.
    CGraphObj& AddElement(std::unique_ptr<CGraphObj> element);
    // Takes the element out of the element list and hands it over (null when it is not there);
    // marks the document modified. An element still in a per-kind list must be taken out of it
    // with RemoveFromKindLists before the returned pointer is dropped.
    std::unique_ptr<CGraphObj> RemoveElement(const CGraphObj* element);
    void RemoveFromKindLists(const CGraphObj* element);
    bool IsInKindList(const CGraphObj* element) const;
    // Takes the element out of every list and frees it; marks the document modified.
    void DeleteElement(const CGraphObj* element);
    // Frees every element and screen and empties every list, including the class names.
    void DeleteAll();
    // DeleteAll, then marks the document modified.
    void ClearAll();
    // The topmost element of the view's current screen that the point hits, or null.
    CGraphObj* ElementAt(CPoint point, const CElementView& view) const;
    // Unselected elements first, then the selected ones with their marks. Drawing never
    // reorders the list, so the order a file is saved in does not depend on repaints.
    void DrawScreen(CDrawSurface& surface, const CElementView& view) const;
    // Moves the element to the end of the list, so it is drawn on top and wins hit tests; the
    // editor calls it once when the element is selected. The modified mark stays as it was.
    void BringToFront(const CGraphObj* element);
    const ElementList& GetElements() const { return m_elements; }
    CSize GetDisplaySize() const { return m_sizeDisplay; }

    // Screens, kept in ascending number.

    // Inserts before the first screen with a greater number; marks modified.
    CScreen& AddScreen(std::unique_ptr<CScreen> screen);
    // Frees the screen and every element with its number; marks modified. False when the
    // screen is not one of this document's.
    bool DeleteScreen(const CScreen* screen);
    // Elements are untouched.
    void DeleteAllScreens() { m_screens.clear(); }
    CScreen* FindScreen(std::int32_t number) const;
    bool IsScreenNumberFree(std::int32_t number) const { return FindScreen(number) == nullptr; }
    // -1 when there is no screen.
    std::int32_t GetFirstScreenNumber() const;
    // A new screen "画面 target" with fresh targets and a copy of each element of the source
    // screen that its class copies; adds it and returns it.
    CScreen& CopyScreen(std::int32_t source, std::int32_t target);
    const ScreenList& GetScreens() const { return m_screens; }

    // Saving and reading.

    // Fills the per-kind lists from the element list by class name; other classes fall out.
    void BuildKindLists();
    // Refills the element list from the per-kind lists in drawing order. Elements of the
    // document in no per-kind list leave the element list and are freed.
    void RebuildElementList();
    // One class name per element of the element list, in order.
    void RebuildClassNames();
    // Puts the element list into the order of the class-name list, taking each kind's elements
    // in their per-kind order, so a project read back has the drawing order it was saved in.
    // Elements the names do not account for keep their order after the others.
    void ArrangeByClassNames();
    const std::vector<std::u16string>& GetClassNames() const { return m_classNames; }
    void SetClassNames(std::vector<std::u16string> names) { m_classNames = std::move(names); }
    const KindList& GetKindList(EElementKind kind) const;
    // A read element joins its kind list, owned by the document, and the element list only at
    // RebuildElementList.
    void AdoptReadElement(EElementKind kind, std::unique_ptr<CGraphObj> element);
    // A read screen joins the screen list in number order; the document is not marked.
    void AdoptReadScreen(std::unique_ptr<CScreen> screen);
    // Exchanges the whole project with another document, so a reader can fill a fresh one and
    // replace the open project only when the read succeeded.
    void Swap(CTaveloDoc& other);

    // The settings objects the project embeds; their dialogs edit them in place.
    CAlarmList& GetAlarms() { return m_alarms; }
    const CAlarmList& GetAlarms() const { return m_alarms; }
    CSystemSettings& GetSystemSettings() { return m_systemSettings; }
    const CSystemSettings& GetSystemSettings() const { return m_systemSettings; }
    CLinkSettings& GetLink() { return m_link; }
    const CLinkSettings& GetLink() const { return m_link; }

    bool IsModified() const { return m_bModified; }
    void SetModified(bool modified = true) { m_bModified = modified; }

    // Elements ask for a redraw of every view through this; the editor installs the handler.
    void SetViewUpdater(std::function<void()> updater) { m_viewUpdater = std::move(updater); }
    void UpdateAllViews() const;

private:
    KindList& KindListOf(EElementKind kind) { return m_kindLists[static_cast<std::size_t>(kind)]; }
    // Points every element back to this document, after the elements changed hands.
    void AdoptAll();
    CScreen& InsertScreen(std::unique_ptr<CScreen> screen);

    CSize m_sizeDisplay = kDisplaySize;
    ElementList m_elements;
    ScreenList m_screens;
    std::vector<std::u16string> m_classNames;
    // Indexed by EElementKind.
    std::array<KindList, kElementKindCount> m_kindLists;
    // Read elements not yet in the element list.
    ElementList m_readElements;
    CAlarmList m_alarms;
    CSystemSettings m_systemSettings;
    CLinkSettings m_link;
    bool m_bModified = false;
    std::function<void()> m_viewUpdater;
};

}  // namespace tavelo

#pragma once
// The property panels below the canvas: one of each kind, at most one visible. It chooses the
// panel of an element's kind or of a template number, refreshes the visible one after a move
// and makes every panel forget an element before it is freed.

#include <QWidget>
#include <vector>

namespace tavelo {

class CGraphObj;
class CPanelHost;
class CPropertyDialogBase;
struct CEditorContext;

class CPropertyPanelStack : public QWidget {
    Q_OBJECT

public:
    // Chooses the panel by the element's kind.
    static constexpr int kByKind = -1;

    CPropertyPanelStack(CEditorContext& context, CPanelHost& host, QWidget* parent = nullptr);

    // The panel of the template, or with kByKind of the element's kind, takes the object and
    // becomes the visible one; every other panel is hidden. An element without a panel
    // (lines, rectangles, unknown kinds) changes nothing.
    void Show(CGraphObj* object, int templateId);
    // The visible panel shows its object's values again, after the object moved.
    void RefreshVisible();
    // The visible panel shows its object's values again when the object moved since it last
    // showed them, the canvas's keeping it inside the display at a repaint included.
    void RefreshMoved();
    // A panel editing the object drops it: call before the object is freed.
    void Forget(const CGraphObj* object);
    // Every panel drops its object: the project was closed or a screen deleted.
    void ForgetAll();
    // The visible panel's template number, or -1 when none is visible.
    int VisibleTemplate() const;
    // The panel of the template number, or null.
    CPropertyDialogBase* GetPanel(int templateId) const;

    // The template number of the element's panel, or -1 when it has none.
    static int TemplateOf(const CGraphObj& object);

private:
    // In creation order.
    std::vector<CPropertyDialogBase*> m_panels;
};

}  // namespace tavelo

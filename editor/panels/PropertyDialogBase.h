#pragma once
// The base of the property panels below the canvas: a captionless child form whose group box
// carries the panel's caption, in which Enter and Escape do nothing, and the way every change
// the user makes ends: the panel applies, shows its values again and tells the view.

#include <QWidget>
#include <functional>
#include <optional>

#include "model/Geometry.h"

class QGridLayout;
class QKeyEvent;

namespace tavelo {

class CGraphObj;
class CPanelHost;
struct CEditorContext;

class CPropertyDialogBase : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBaseTemplateId = 103;

    CPropertyDialogBase(CEditorContext& context, CPanelHost& host, const QString& caption,
                        QWidget* parent);

    // Takes the object to edit and shows its values; none, or one of another kind, leaves the
    // panel as it is.
    virtual void SetObject(CGraphObj* /*object*/) {}
    // Shows the object's values again, after it moved.
    virtual void Refresh() {}
    // The panel's template number, by which the view chooses it.
    virtual int GetTemplateId() const { return kBaseTemplateId; }
    // The object being edited, or null.
    virtual CGraphObj* GetObject() const { return nullptr; }
    // Drops the object when it is this one, so a freed element is never edited.
    void Forget(const CGraphObj* object);
    // Shows the values again when the object no longer lies where they showed it: moved, or
    // kept inside the display as the canvas drew it.
    void RefreshIfMoved();

protected:
    // The group box's layout, where the panel puts its controls.
    QGridLayout& GetGrid() const { return *m_pGrid; }
    // Runs a change the user made in the field, shows the panel's values and, when the change
    // reached the object, tells the view.
    void RunChange(const std::function<void()>& change, const QObject* field = nullptr);
    virtual void ShowValues() {}
    virtual void DropObject() {}
    // Where the object lies on the canvas; none for a screen.
    virtual std::optional<CRect> GetObjectRect() const { return std::nullopt; }

    // The object's rectangle when its values were last shown.
    std::optional<CRect> m_shownRect;

    void keyPressEvent(QKeyEvent* event) override;

    CEditorContext& m_context;

private:
    // Whether the change wrote into the project: the rules mark it modified exactly then.
    bool ChangeApplied(const std::function<void()>& change) const;

    CPanelHost& m_host;
    QGridLayout* m_pGrid;
};

}  // namespace tavelo

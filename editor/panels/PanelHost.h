#pragma once
// What a property panel asks of the view it sits in.

class QObject;

namespace tavelo {

class CGraphObj;

class CPanelHost {
public:
    virtual ~CPanelHost() = default;
    // A panel applied a change to the object. The screen panel's template makes the screen
    // the current one and refills the screen list; any other template redraws the canvas.
    // Delivered after the panel's handler returns, as a posted message would be.
    virtual void ElementChanged(CGraphObj* object, int templateId) = 0;
    // Bracket a change the user makes in a panel, so that undo takes it back as one step.
    // Consecutive changes of one field of one object are one step; a null field never joins.
    virtual void BeginPanelChange() = 0;
    virtual void EndPanelChange(const QObject* field, const CGraphObj* object) = 0;
};

}  // namespace tavelo

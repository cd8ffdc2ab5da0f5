#pragma once
// What a property panel asks of the view it sits in.

namespace tavelo {

class CGraphObj;

class CPanelHost {
public:
    virtual ~CPanelHost() = default;
    // A panel applied a change to the object. The screen panel's template makes the screen
    // the current one and refills the screen list; any other template redraws the canvas.
    // Delivered after the panel's handler returns, as a posted message would be.
    virtual void ElementChanged(CGraphObj* object, int templateId) = 0;
};

}  // namespace tavelo

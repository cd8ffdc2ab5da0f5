#pragma once
// What the tools ask of the view's widget beyond the editing state: pointer capture, cursors,
// the band rectangle and the panels.

#include <optional>

#include "editor/ViewState.h"
#include "model/Geometry.h"

namespace tavelo {

enum class ECursorShape { kArrow, kSizeAll };

class CToolHost {
public:
    virtual ~CToolHost() = default;
    virtual CViewState& GetViewState() = 0;
    virtual void CapturePointer() = 0;
    virtual void ReleasePointer() = 0;
    virtual bool HasCapture() const = 0;
    virtual void SetCursorShape(ECursorShape shape) = 0;
    // The band being drawn, in client pixels, or none to take it away.
    virtual void SetBand(const std::optional<CRect>& clientBand) = 0;
    // The visible property panels show the selection's new positions.
    virtual void RefreshPanels() = 0;
};

}  // namespace tavelo

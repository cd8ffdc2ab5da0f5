#pragma once
// Draws an element once on a recording surface, as a view showing its screen would.

#include <vector>

#include "model/GraphObj.h"
#include "support/FakeElementView.h"
#include "support/RecordingDrawSurface.h"

namespace tavelo::test {

inline std::vector<RecordingDrawSurface::Call> DrawCalls(CGraphObj& element) {
    FakeElementView view;
    RecordingDrawSurface surface;
    element.Draw(view, surface);
    return surface.calls;
}

}  // namespace tavelo::test

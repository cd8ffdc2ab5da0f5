#pragma once
// An editing view reduced to what elements and the document ask of it; tests set its state.

#include <algorithm>
#include <vector>

#include "model/ElementView.h"

namespace tavelo::test {

class FakeElementView : public CElementView {
public:
    std::int32_t GetCurrentScreenNo() const override { return currentScreen; }
    bool IsSelected(const CGraphObj& element) const override {
        return std::find(selection.begin(), selection.end(), &element) != selection.end();
    }
    bool IsPlacementPreviewOn() const override { return placementPreview; }

    std::int32_t currentScreen = 1;
    std::vector<const CGraphObj*> selection;
    bool placementPreview = false;
};

}  // namespace tavelo::test

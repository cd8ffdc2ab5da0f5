#include "DotStep.h"

#include "elements/PanelCoordinates.h"

namespace tavelo {

std::int32_t DotStepFrom(std::int32_t units, std::int32_t dots) {
    return DotsToCanvas(CanvasToDots(units) + dots) - units;
}

}  // namespace tavelo

#pragma once
// One dot's move in canvas units: a dot is 2.25 units, so the step that lands a position on the
// next dot, as the panels show it, depends on where it stands.

#include <cstdint>

namespace tavelo {

// The units to add to a position so it shows dots more (negative dots: fewer) than now.
std::int32_t DotStepFrom(std::int32_t units, std::int32_t dots);

}  // namespace tavelo

#pragma once
// What the text encoders share: the look byte of the base flags and the vector face of a text
// element.

#include <cstdint>

#include "ImageLibraries.h"

namespace tavelo {

class CGraphObj;

// Bit 0 inverse, bit 1 double size.
std::int32_t BaseLook(const CGraphObj& element);

// The element's face and size when it is a vector text.
template <class TextElement>
CVectorFace VectorFaceOf(const TextElement& element) {
    return {element.GetFaceName(), element.GetFontSize()};
}

}  // namespace tavelo

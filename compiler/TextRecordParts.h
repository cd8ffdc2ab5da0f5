#pragma once
// What the text encoders share: the look byte of the base flags, the vector face of a text
// element and the check that a count fits the byte the panel reads it from.

#include <cstddef>
#include <cstdint>
#include <string_view>

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

// Throws CCompileError ("数据组织出错，请检查数据配置") naming what when the count is above 255.
void RequireByteCount(std::size_t count, std::string_view what);

}  // namespace tavelo

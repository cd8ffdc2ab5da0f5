#pragma once
// How findings and tables name an element: its kind in the user's words and where it lies.

#include <string>

#include "model/ComposedMessage.h"
#include "model/Geometry.h"

namespace tavelo {

class CGraphObj;

// "静态文本", "寄存器", ...; "元件" for lines, rectangles and unknown classes.
std::u16string ElementKindName(const CGraphObj& element);
// The top-left corner in dots, as the element's record carries it.
CPoint ElementDots(const CGraphObj& element);
// "画面 n 位于 (x, y) 的" and the kind name.
CComposedMessage DescribeElement(const CGraphObj& element);

}  // namespace tavelo

#pragma once
// The element as the class its class name gives, for code that treats each kind apart.

#include <type_traits>

#include "model/GraphObj.h"

namespace tavelo {

// Null unless the element's class name is Element's and the element is one.
template <class Element, class Object>
auto* ElementAs(Object& element) {
    static_assert(std::is_base_of_v<CGraphObj, std::remove_const_t<Object>>);
    using Target = std::conditional_t<std::is_const_v<Object>, const Element, Element>;
    return element.GetClassName() == Element::kClassName ? dynamic_cast<Target*>(&element)
                                                         : nullptr;
}

}  // namespace tavelo

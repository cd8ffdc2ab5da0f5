#pragma once
// Receives an object's stored fields by name, so that tools can show any element kind field
// by field without knowing it. Names are the member names without "m_" and type prefix, in
// lower camel case ("screenNo" for m_nScreenNo).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Geometry.h"

namespace tavelo {

class CFieldSink {
public:
    virtual ~CFieldSink() = default;

    virtual void Int(std::string_view name, std::int64_t value) = 0;
    virtual void Text(std::string_view name, const std::u16string& value) = 0;
    virtual void Ints(std::string_view name, const std::vector<std::int64_t>& values) = 0;
    virtual void Texts(std::string_view name, const std::vector<std::u16string>& values) = 0;
    // Fields between BeginGroup and EndGroup belong to one named record (a rectangle, an
    // address record); groups nest.
    virtual void BeginGroup(std::string_view name) = 0;
    virtual void EndGroup() = 0;
};

// A rectangle as a group of its four corners' coordinates.
void DescribeRect(CFieldSink& sink, std::string_view name, const CRect& rect);

}  // namespace tavelo

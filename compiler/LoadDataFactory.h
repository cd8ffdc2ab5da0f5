#pragma once
// Makes the encoder of an element by its class name and lets it compute its record.

#include <memory>
#include <string>
#include <vector>

#include "GraphLoadDataBase.h"

namespace tavelo {

class CAppState;
class CGraphObj;
class CImageLibraries;

// Null for elements that are not downloaded (lines, rectangles, unknown classes). A trend bar
// of the bar-graph kind gets the bar graph encoder, any other the trend graph encoder. The
// libraries must hold everything the project uses; notes collects the messages shown on the
// way; the panel model decides which options exist. Throws CCompileError when the element cannot be
// encoded.
std::unique_ptr<CGraphLoadDataBase> CreateLoadData(const CGraphObj& element,
                                                   const CImageLibraries& libraries,
                                                   const CAppState& state,
                                                   std::vector<std::u16string>& notes);

}  // namespace tavelo

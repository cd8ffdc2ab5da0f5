#include "TextRecordParts.h"

#include "model/GraphObj.h"

namespace tavelo {

std::int32_t BaseLook(const CGraphObj& element) {
    return (element.GetInverse() != 0 ? 1 : 0) | (element.GetDoubleSize() != 0 ? 2 : 0);
}

}  // namespace tavelo

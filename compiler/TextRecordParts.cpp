#include "TextRecordParts.h"

#include <string>

#include "CompileError.h"
#include "CompilerMessages.h"
#include "model/GraphObj.h"

namespace tavelo {

std::int32_t BaseLook(const CGraphObj& element) {
    return (element.GetInverse() != 0 ? 1 : 0) | (element.GetDoubleSize() != 0 ? 2 : 0);
}

void RequireByteCount(std::size_t count, std::string_view what) {
    if (count > 0xFF)
        throw CCompileError(compiler_messages::kDataOrganisation,
                            std::string(what) + " of " + std::to_string(count) +
                                " does not fit its one-byte count");
}

}  // namespace tavelo

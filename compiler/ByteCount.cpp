#include "ByteCount.h"

#include <string>

#include "CompileError.h"
#include "model/TextFormat.h"

namespace tavelo {

void RequireByteCount(std::size_t count, std::u16string_view message,
                      std::initializer_list<std::int64_t> where, std::string_view what) {
    if (count <= kLargestByteCount) return;
    // A "%d" without a number stays, so the second pass fills the count and the limit.
    const std::u16string placed = FormatNumbers(message, where);
    throw CCompileError(
        FormatMessage(placed, count, kLargestByteCount),
        std::string(what) + " of " + std::to_string(count) + " does not fit its one-byte count");
}

}  // namespace tavelo

#pragma once
// What makes consecutive changes one undo step: the same field (a panel control, the arrow
// keys) on the same objects, with nothing else done in between.

#include <cstdint>
#include <vector>

namespace tavelo {

struct CMergeKey {
    const void* m_pField = nullptr;
    std::vector<const void*> m_objects;
    // Set by the history: a new run starts whenever something else happened.
    std::uint64_t m_nRun = 0;

    bool operator==(const CMergeKey&) const = default;
};

}  // namespace tavelo

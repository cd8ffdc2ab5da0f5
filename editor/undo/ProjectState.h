#pragma once
// The project and the view's place in it at one moment, as undo puts them back: the bytes a
// save would write (shared between the steps that see the same project), the current screen
// and the selection.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tavelo {

struct CProjectState {
    std::shared_ptr<const std::vector<std::uint8_t>> m_pBytes;
    std::int32_t m_nCurrentScreen = 0;
    // Positions of the selected elements among the stored ones, in drawing order.
    std::vector<std::size_t> m_selection;
};

}  // namespace tavelo

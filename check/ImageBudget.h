#pragma once
// The download image's size by area against the panel's 33,792 bytes, for the check's finding
// and the budget bar.

#include <cstddef>
#include <string>
#include <vector>

#include "compiler/ImageLayout.h"

namespace tavelo {

class CFindingList;

struct CBudgetArea {
    std::u16string m_strName;
    std::size_t m_nBytes = 0;
};

// Glyphs, bitmaps, screens, alarms and the fixed system part, in that order.
std::vector<CBudgetArea> BudgetAreas(const CImageLayout& layout);

// An error when the image is larger than the panel takes.
void CheckImageBudget(const CImageLayout& layout, CFindingList& findings);

}  // namespace tavelo

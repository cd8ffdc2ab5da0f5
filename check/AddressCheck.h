#pragma once
// Finds addresses, bits, register counts and stations outside the current PLC type's ranges.

#include <vector>

#include "AddressUses.h"

namespace tavelo {

class CFindingList;

void CheckAddresses(const std::vector<CAddressUse>& uses, const CAppState& state,
                    CFindingList& findings);

}  // namespace tavelo

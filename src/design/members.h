#pragma once

#include "design/calcconfig.h"

#include <string_view>
#include <vector>

namespace holvane::design {

// The fifteen design calculators, in the order of the catalogue's key table.
const std::vector<MemberConfig> &designMembers();
// A member by its window class name ("TF_Jiajinli"); null when unknown.
const MemberConfig *memberByWindow(std::string_view window);

} // namespace holvane::design

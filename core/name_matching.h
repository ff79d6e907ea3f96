#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnix {

// The wildcards of a ";"-separated pattern text, blanks around each removed.
std::vector<std::string> splitPatterns(std::string_view patterns);

// `*` matches any run of characters, `?` any one; letters match without
// regard to case.
bool matchesWildcard(std::string_view name, std::string_view pattern);
bool matchesAnyWildcard(std::string_view name, const std::vector<std::string>& patterns);

// Order by name without regard to case, runs of digits by their value
// ("game2" before "game10"); names equal that way fall back to their bytes.
bool nameLess(std::string_view a, std::string_view b);
// Puts `names` in nameLess's order, quicker than sorting with it: each name's
// key is made once, and keys compare as plain bytes.
void sortNames(std::vector<std::string>& names);

}  // namespace varnix

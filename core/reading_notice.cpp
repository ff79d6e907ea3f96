#include "core/reading_notice.h"

namespace varnix {

std::string readingNotice(std::size_t names)
{
    return "Reading the folder...\n" + std::to_string(names) + (names == 1 ? " name so far" : " names so far");
}

}  // namespace varnix

#include "system/encoding.h"

namespace varnix {

void useSystemEncoding()
{
    // The 8-bit encoding here is UTF-8, the fields' own default rule.
}

}  // namespace varnix

#pragma once

namespace varnix {

// Makes field cuts follow the system's 8-bit encoding; call once at start.
void useSystemEncoding();

}  // namespace varnix

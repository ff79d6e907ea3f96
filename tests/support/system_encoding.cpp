// Every test walks text by the characters of the system's encoding, as the
// programs do: under Wine with a Japanese locale, those of code page 932.
#include "system/encoding.h"

namespace {

[[maybe_unused]] const bool g_installed = (varnix::useSystemEncoding(), true);

}  // namespace

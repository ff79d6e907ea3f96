#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace varnix {

struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

// Owns a font, brush or bitmap and deletes it with DeleteObject.
template <class Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

}  // namespace varnix

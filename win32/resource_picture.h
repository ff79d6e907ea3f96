#pragma once

#include <windows.h>

namespace varnix {

// A bitmap of the program's resources, drawn straight from the mapped
// program image: nothing is copied or converted before it is first drawn,
// which keeps the start short.
class ResourcePicture {
public:
    ResourcePicture() = default;
    ResourcePicture(HINSTANCE instance, const char* name);

    explicit operator bool() const { return m_info != nullptr; }
    int width() const { return m_info->bmiHeader.biWidth; }
    int height() const;
    // Stretched to the given size, from (x, y).
    void draw(HDC dc, int x, int y, int widthPixels, int heightPixels) const;

private:
    const BITMAPINFO* m_info = nullptr;
    const void* m_bits = nullptr;
};

}  // namespace varnix

#include "win32/resource_picture.h"

#include <cstdlib>

namespace varnix {

ResourcePicture::ResourcePicture(HINSTANCE instance, const char* name)
{
    HRSRC found = FindResourceA(instance, name, MAKEINTRESOURCEA(2));  // RT_BITMAP
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* info = static_cast<const BITMAPINFO*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    if (!info || size < sizeof(BITMAPINFOHEADER) || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) ||
        info->bmiHeader.biPlanes != 1 || info->bmiHeader.biWidth <= 0 || info->bmiHeader.biHeight == 0)
        return;  // not drawn, as a picture that is missing
    const auto& header = info->bmiHeader;
    // The colour table (or the three masks) follows the header, the bits the table.
    DWORD colours = header.biClrUsed;
    if (colours == 0 && header.biBitCount <= 8)
        colours = 1u << header.biBitCount;
    if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER))
        colours = 3;
    const DWORD stride = ((static_cast<DWORD>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
    const DWORD bitsOffset = header.biSize + colours * sizeof(RGBQUAD);
    const DWORD bitsSize = header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS
                               ? stride * static_cast<DWORD>(std::abs(header.biHeight))
                               : header.biSizeImage;
    if (bitsOffset > size || bitsSize > size - bitsOffset)
        return;
    m_info = info;
    m_bits = reinterpret_cast<const BYTE*>(info) + bitsOffset;
}

int ResourcePicture::height() const
{
    return std::abs(m_info->bmiHeader.biHeight);
}

void ResourcePicture::draw(HDC dc, int x, int y, int widthPixels, int heightPixels) const
{
    if (!m_info)
        return;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, x, y, widthPixels, heightPixels, 0, 0, width(), height(), m_bits, m_info, DIB_RGB_COLORS,
                  SRCCOPY);
}

}  // namespace varnix

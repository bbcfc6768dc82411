#include "windesktop.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace Win32 {

DesktopPixels copyDesktop(int x, int y, int width, int height)
{
    const int left = std::max(x, GetSystemMetrics(SM_XVIRTUALSCREEN));
    const int top = std::max(y, GetSystemMetrics(SM_YVIRTUALSCREEN));
    const int right = std::min(x + width, GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN));
    const int bottom = std::min(y + height, GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN));
    DesktopPixels pixels;
    if (width <= 0 || height <= 0 || right <= left || bottom <= top)
        return pixels;

    HDC screen = GetDC(nullptr);
    if (!screen)
        return pixels;
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = right - left;
    info.bmiHeader.biHeight = -(bottom - top); // negative: rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bitmap = memory ? CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    bool copied = false;
    if (bitmap && bits) {
        const HGDIOBJ previous = SelectObject(memory, bitmap);
        // CAPTUREBLT: layered windows are part of what the user sees.
        copied = BitBlt(memory, 0, 0, right - left, bottom - top, screen, left, top, SRCCOPY | CAPTUREBLT) != FALSE;
        SelectObject(memory, previous);
    }
    if (memory)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied) {
        releaseDesktopPixels(bitmap);
        return pixels;
    }
    GdiFlush();

    pixels.bitmap = bitmap;
    pixels.bits = static_cast<unsigned char *>(bits);
    pixels.width = right - left;
    pixels.height = bottom - top;
    // GDI leaves the fourth byte zero; the pixels are opaque.
    auto *words = reinterpret_cast<std::uint32_t *>(bits);
    const std::size_t count = std::size_t(pixels.width) * std::size_t(pixels.height);
    for (std::size_t i = 0; i < count; ++i)
        words[i] |= 0xFF000000u;
    return pixels;
}

void releaseDesktopPixels(void *bitmap)
{
    if (bitmap)
        DeleteObject(static_cast<HBITMAP>(bitmap));
}

} // namespace Win32

#pragma once

// The desktop copied by GDI into memory of our own, in plain types.
namespace Win32 {

struct DesktopPixels
{
    // The DIB section holding the pixels (an HBITMAP); null when nothing was copied.
    void *bitmap = nullptr;
    // Rows from the top, four bytes a pixel: blue, green, red, 0xFF.
    unsigned char *bits = nullptr;
    int width = 0;
    int height = 0;
};

// Copies the area (pixels from the primary screen's top-left corner), cut to
// the virtual screen, into a DIB section with BitBlt. Null bitmap when the
// area lies off the screen or a GDI call fails.
DesktopPixels copyDesktop(int x, int y, int width, int height);
// Frees what copyDesktop() gave; a null bitmap is allowed.
void releaseDesktopPixels(void *bitmap);

} // namespace Win32

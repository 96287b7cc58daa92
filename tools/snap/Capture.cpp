#include "Capture.h"

#include <cstdio>
#include <vector>

namespace snap {

namespace {

// Device contexts and bitmaps released on every path.
struct WindowDc {
    HWND window;
    HDC dc;
    explicit WindowDc(HWND w) : window(w), dc(GetWindowDC(w)) {}
    ~WindowDc()
    {
        if (dc)
            ReleaseDC(window, dc);
    }
};

struct MemoryDc {
    HDC dc;
    explicit MemoryDc(HDC compatible) : dc(CreateCompatibleDC(compatible)) {}
    ~MemoryDc()
    {
        if (dc)
            DeleteDC(dc);
    }
};

struct Bitmap {
    HBITMAP bitmap;
    explicit Bitmap(HBITMAP b) : bitmap(b) {}
    ~Bitmap()
    {
        if (bitmap)
            DeleteObject(bitmap);
    }
};

bool WriteBmp(const std::string& path, int width, int height, const std::vector<BYTE>& rows)
{
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = DWORD(rows.size());
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(&file, sizeof file, 1, f) == 1 &&
              std::fwrite(&info, sizeof info, 1, f) == 1 &&
              std::fwrite(rows.data(), 1, rows.size(), f) == rows.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

void PumpFor(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

bool CaptureWindow(HWND window, const std::string& path)
{
    RECT r;
    if (!GetWindowRect(window, &r))
        return false;
    int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0)
        return false;
    WindowDc source(window);
    MemoryDc memory(source.dc);
    Bitmap bitmap(CreateCompatibleBitmap(source.dc, width, height));
    if (!source.dc || !memory.dc || !bitmap.bitmap)
        return false;
    HGDIOBJ old = SelectObject(memory.dc, bitmap.bitmap);
    BOOL copied = BitBlt(memory.dc, 0, 0, width, height, source.dc, 0, 0, SRCCOPY);
    SelectObject(memory.dc, old);
    if (!copied)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as BMP files store it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> rows(size_t(stride) * height);
    if (GetDIBits(memory.dc, bitmap.bitmap, 0, UINT(height), rows.data(), &info, DIB_RGB_COLORS) !=
        height)
        return false;
    return WriteBmp(path, width, height, rows);
}

} // namespace snap

#include "tests/e2e/screen.h"

#include "tests/e2e/windows_found.h"

#include <algorithm>
#include <cstdio>

namespace {

// A 32-bit top-down DIB section selected into a memory DC for the guard's life.
class Canvas {
  public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    bool valid() const { return bits_ != nullptr; }

    void fill(std::uint32_t colour) {
        GdiFlush();
        auto* pixels = static_cast<std::uint32_t*>(bits_);
        for (int i = 0; i < width_ * height_; ++i)
            pixels[i] = colour;
    }
    void copyTo(Image& image) const {
        GdiFlush();
        image.width = width_;
        image.height = height_;
        const auto* pixels = static_cast<const std::uint32_t*>(bits_);
        image.pixels.assign(pixels, pixels + std::size_t(width_) * height_);
        for (std::uint32_t& pixel : image.pixels)
            pixel &= 0xFFFFFF;
    }

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    void* bits_ = nullptr;
};

bool SameImage(const Image& a, const Image& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

} // namespace

bool CaptureScreen(const RECT& rect, Image& image) {
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    bool copied = canvas.valid() &&
                  BitBlt(canvas.dc(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    if (copied)
        canvas.copyTo(image);
    return copied;
}

bool CaptureClient(HWND window, Image& image) {
    // Painting is asked for synchronously; the screen may show it a moment later.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    Image previous;
    if (!CaptureScreen(rect, previous))
        return false;
    bool steady = WaitUntil(
        [&] {
            Sleep(40);
            if (!CaptureScreen(rect, image))
                return false;
            if (SameImage(previous, image))
                return true;
            previous = image;
            return false;
        },
        3000);
    return steady;
}

void DrawSystemIcon(LPCSTR icon, int width, int height, std::uint32_t background, Image& image) {
    Canvas canvas(width, height);
    canvas.fill(background);
    DrawIconEx(canvas.dc(), 0, 0, LoadIconA(nullptr, icon), 0, 0, 0, nullptr, DI_NORMAL);
    canvas.copyTo(image);
}

void RenderText(HFONT font, const char* text, int length, int x, int y, int width, int height,
                std::uint32_t background, std::uint32_t cell, Image& image) {
    Canvas canvas(width, height);
    canvas.fill(background);
    // COLORREF is 0x00BBGGRR, the pixels 0x00RRGGBB.
    SetBkColor(canvas.dc(), RGB((cell >> 16) & 0xFF, (cell >> 8) & 0xFF, cell & 0xFF));
    HGDIOBJ previous = SelectObject(canvas.dc(), font);
    TextOutA(canvas.dc(), x, y, text, length);
    SelectObject(canvas.dc(), previous);
    canvas.copyTo(image);
}

void RenderParagraph(HFONT font, const char* text, UINT format, int width, int height,
                     Image& image) {
    Canvas canvas(width, height);
    canvas.fill(white);
    HGDIOBJ previous = SelectObject(canvas.dc(), font);
    RECT rect{0, 0, width, height};
    DrawTextA(canvas.dc(), text, -1, &rect, format);
    SelectObject(canvas.dc(), previous);
    canvas.copyTo(image);
}

std::size_t DifferentPixels(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height)
        return std::max(a.pixels.size(), b.pixels.size());
    std::size_t different = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        different += a.pixels[i] != b.pixels[i];
    return different;
}

double SameShare(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height || a.pixels.empty())
        return 0;
    std::size_t same = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        same += a.pixels[i] == b.pixels[i];
    return double(same) / double(a.pixels.size());
}

Image Crop(const Image& image, int x, int y, int width, int height) {
    Image part;
    if (x < 0 || y < 0 || width <= 0 || height <= 0 || x + width > image.width ||
        y + height > image.height)
        return part;
    part.width = width;
    part.height = height;
    part.pixels.reserve(std::size_t(width) * height);
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            part.pixels.push_back(image.at(column, row));
    return part;
}

bool IsDark(std::uint32_t pixel) {
    int red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
    return red + green + blue < 3 * 128;
}

bool DarkBounds(const Image& image, RECT& bounds) {
    bounds = {image.width, image.height, -1, -1};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (IsDark(image.at(x, y))) {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
    return bounds.right > 0;
}

bool SaveBitmap(const Image& image, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    DWORD size = DWORD(image.pixels.size() * 4);
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + size;
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = -image.height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    bool written = std::fwrite(&header, sizeof header, 1, file) == 1 &&
                   std::fwrite(&info, sizeof info, 1, file) == 1 &&
                   std::fwrite(image.pixels.data(), 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

#include "host/win32/WindowCapture.h"

#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <stdexcept>

#include "host/Utf8Path.h"

namespace kandrel::host {

TCapture CaptureClientArea(HWND Window) {
    RECT client{};
    if (!GetClientRect(Window, &client)) throw std::runtime_error("no such window");
    TCapture picture;
    picture.Width = client.right - client.left;
    picture.Height = client.bottom - client.top;
    if (picture.Width <= 0 || picture.Height <= 0) throw std::runtime_error("the window has no client area");
    picture.Pixels.resize(static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height));

    HDC source = GetDC(Window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.Width;
    info.bmiHeader.biHeight = -picture.Height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, picture.Width, picture.Height, source, 0, 0, SRCCOPY) != FALSE;
        GdiFlush();
        if (copied) {
            const auto* pixels = static_cast<const uint32_t*>(bits);
            for (size_t i = 0; i < picture.Pixels.size(); ++i) picture.Pixels[i] = pixels[i] & 0x00FFFFFFu;
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(Window, source);
    if (!copied) throw std::runtime_error("the window's pixels could not be copied");
    return picture;
}

namespace {

bool PngEncoder(CLSID& Id) {
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<uint8_t> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            Id = encoders[i].Clsid;
            return true;
        }
    return false;
}

}  // namespace

void SavePng(const TCapture& Picture, const std::string& Path) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        throw std::runtime_error("GDI+ could not be started");
    Gdiplus::Status status = Gdiplus::GenericError;
    {
        // Opaque pixels: the top byte of each 32-bit pixel is ignored in this format.
        std::vector<uint32_t> pixels = Picture.Pixels;
        Gdiplus::Bitmap bitmap(Picture.Width, Picture.Height, Picture.Width * 4, PixelFormat32bppRGB,
                               reinterpret_cast<BYTE*>(pixels.data()));
        CLSID png;
        if (bitmap.GetLastStatus() == Gdiplus::Ok && PngEncoder(png))
            status = bitmap.Save(WidenUtf8(Path).c_str(), &png, nullptr);
    }
    Gdiplus::GdiplusShutdown(token);
    if (status != Gdiplus::Ok) throw std::runtime_error(Path + ": the PNG file could not be written");
}

TCapture LoadPng(const std::string& Path) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        throw std::runtime_error("GDI+ could not be started");
    TCapture picture;
    bool read = false;
    {
        Gdiplus::Bitmap bitmap(WidenUtf8(Path).c_str());
        if (bitmap.GetLastStatus() == Gdiplus::Ok) {
            picture.Width = static_cast<int32_t>(bitmap.GetWidth());
            picture.Height = static_cast<int32_t>(bitmap.GetHeight());
            picture.Pixels.resize(static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height));
            Gdiplus::Rect all(0, 0, picture.Width, picture.Height);
            Gdiplus::BitmapData data{};
            if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) == Gdiplus::Ok) {
                for (int32_t y = 0; y < picture.Height; ++y) {
                    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(data.Scan0) +
                                                                        static_cast<ptrdiff_t>(y) * data.Stride);
                    for (int32_t x = 0; x < picture.Width; ++x)
                        picture.Pixels[static_cast<size_t>(y) * static_cast<size_t>(picture.Width) +
                                       static_cast<size_t>(x)] = row[x] & 0x00FFFFFFu;
                }
                bitmap.UnlockBits(&data);
                read = true;
            }
        }
    }
    Gdiplus::GdiplusShutdown(token);
    if (!read) throw std::runtime_error(Path + ": the picture could not be read");
    return picture;
}

}  // namespace kandrel::host

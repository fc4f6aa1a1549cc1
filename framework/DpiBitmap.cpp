#include "framework/DpiBitmap.h"
#include "framework/Controls.h"
#include "framework/ComScope.h"
#include "framework/Dpi.h"
#include <algorithm>
#include <wincodec.h>

namespace {

// Rows of 24-bit blue-green-red pixels, each row padded to 4 bytes, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<BYTE> bytes;

    static int Stride(int width) { return (width * 3 + 3) & ~3; }
    void Resize(int w, int h) {
        width = w;
        height = h;
        bytes.assign(static_cast<size_t>(Stride(w)) * h, 0);
    }
    BYTE* At(int x, int y) { return bytes.data() + static_cast<size_t>(y) * Stride(width) + x * 3; }
};

BITMAPINFO TopDown24(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The PNG resource decoded by the system's imaging component (there since
// Windows Vista; through COM, so nothing of it is linked).
bool DecodePng(HINSTANCE instance, UINT id, Pixels& pixels) {
    const HRSRC found = FindResource(instance, MAKEINTRESOURCE(id), RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    BYTE* data = loaded ? static_cast<BYTE*>(LockResource(loaded)) : nullptr;
    if (!data)
        return false;
    const ComScope com;
    ComPointer<IWICImagingFactory> factory;
    ComPointer<IWICStream> stream;
    ComPointer<IWICBitmapDecoder> decoder;
    ComPointer<IWICBitmapFrameDecode> frame;
    ComPointer<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.Receive()))) ||
        FAILED(factory.Get()->CreateStream(stream.Receive())) ||
        FAILED(stream.Get()->InitializeFromMemory(data, SizeofResource(instance, found))) ||
        FAILED(factory.Get()->CreateDecoderFromStream(
            stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Receive())) ||
        FAILED(decoder.Get()->GetFrame(0, frame.Receive())) ||
        FAILED(factory.Get()->CreateFormatConverter(converter.Receive())) ||
        FAILED(converter.Get()->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter.Get()->GetSize(&width, &height)) || width == 0 || height == 0)
        return false;
    pixels.Resize(static_cast<int>(width), static_cast<int>(height));
    return SUCCEEDED(converter.Get()->CopyPixels(nullptr, Pixels::Stride(pixels.width),
                                           static_cast<UINT>(pixels.bytes.size()),
                                           pixels.bytes.data()));
}

bool ReadBitmap(HBITMAP bitmap, Pixels& pixels) {
    BITMAP size = {};
    if (!GetObject(bitmap, sizeof size, &size))
        return false;
    pixels.Resize(size.bmWidth, size.bmHeight);
    BITMAPINFO info = TopDown24(size.bmWidth, size.bmHeight);
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.bmHeight),
                               pixels.bytes.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return rows == size.bmHeight;
}

// One line of count samples, step bytes apart, averaged by area onto
// newCount samples: sample i of the result covers [i * count, (i + 1) * count)
// in units of 1/newCount of a source sample, so every weight is a whole number.
void ResampleLine(const BYTE* from, int count, int fromStep, BYTE* to, int newCount, int toStep) {
    for (int i = 0; i < newCount; ++i) {
        const long begin = static_cast<long>(i) * count, end = begin + count;
        long sum[3] = {};
        for (long j = begin / newCount; j * newCount < end; ++j) {
            const long weight = std::min(end, (j + 1) * newCount) - std::max(begin, j * newCount);
            for (int channel = 0; channel < 3; ++channel)
                sum[channel] += weight * from[j * fromStep + channel];
        }
        for (int channel = 0; channel < 3; ++channel)
            to[i * toStep + channel] = static_cast<BYTE>((sum[channel] + count / 2) / count);
    }
}

Pixels Resample(Pixels& source, int width, int height) {
    Pixels across, result;
    across.Resize(width, source.height);
    for (int y = 0; y < source.height; ++y)
        ResampleLine(source.At(0, y), source.width, 3, across.At(0, y), width, 3);
    result.Resize(width, height);
    const int stride = Pixels::Stride(width);
    for (int x = 0; x < width; ++x)
        ResampleLine(across.At(x, 0), source.height, stride, result.At(x, 0), height, stride);
    return result;
}

HBITMAP ToBitmap(const Pixels& pixels) {
    BITMAPINFO info = TopDown24(pixels.width, pixels.height);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap)
        CopyMemory(bits, pixels.bytes.data(), pixels.bytes.size());
    return bitmap;
}

// Only exact matches: the art's own greys near the face stay as drawn.
void Repaint(Pixels& pixels, Backdrop backdrop) {
    const BYTE from[3] = {GetBValue(backdrop.drawnOn), GetGValue(backdrop.drawnOn),
                          GetRValue(backdrop.drawnOn)};
    const BYTE to[3] = {GetBValue(backdrop.face), GetGValue(backdrop.face),
                        GetRValue(backdrop.face)};
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            if (std::equal(from, from + 3, pixels.At(x, y)))
                std::copy(to, to + 3, pixels.At(x, y));
}

}  // namespace

HBITMAP LoadScaledBitmap(HINSTANCE instance, UINT bitmap, Scale scale, Backdrop backdrop) {
    Bitmap original(LoadBitmap(instance, MAKEINTRESOURCE(bitmap)));
    const bool resize = scale.numerator != scale.denominator;
    const bool recolour = backdrop.drawnOn != backdrop.face;
    if (!original || (!resize && !recolour))
        return original.Release();
    // Recoloured before it is scaled: the pixels where the picture meets its
    // backdrop then blend with the new face, not with the grey.
    Pixels pixels, large;
    if (resize && DecodePng(instance, bitmap + kLargeArtOffset, large)) {
        const Scale fromLarge = {scale.numerator, 2 * scale.denominator};
        if (recolour)
            Repaint(large, backdrop);
        pixels = Resample(large, fromLarge(large.width), fromLarge(large.height));
    } else if (!ReadBitmap(original.Get(), pixels)) {
        return nullptr;
    } else {
        if (recolour)
            Repaint(pixels, backdrop);
        if (resize)
            pixels = Resample(pixels, scale(pixels.width), scale(pixels.height));
    }
    return ToBitmap(pixels);
}

std::vector<HWND> PictureControls(HWND dialog) {
    std::vector<HWND> pictures;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (HasClass(child, TEXT("Static")) &&
            (GetWindowLongPtr(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            pictures.push_back(child);
    return pictures;
}

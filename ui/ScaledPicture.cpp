#include "ui/ScaledPicture.h"

#include <objbase.h>
#include <wincodec.h>

#include <vector>

#include "framework/ComApartment.h"
#include "framework/ComPtr.h"
#include "framework/Dc.h"
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "framework/Module.h"

namespace {

constexpr int kScales[] = {100, 150, 200};

const wchar_t* ResourceType(int scale)
{
    return scale == 150 ? L"PNG150" : L"PNG200";
}

bool HasScale(UINT resourceId, int scale)
{
    const wchar_t* type = scale == 100 ? MAKEINTRESOURCEW(2) /* RT_BITMAP */ : ResourceType(scale);
    return ::FindResourceW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId), type) != nullptr;
}

// A top-down 24-bit section of the picture's size, or null.
HBITMAP CreateSection(UINT width, UINT height, void** bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// The PNG resource decoded by the system's imaging component, through 32-bit
// pixels (which it makes from grey and colour pictures alike) into 24 bits.
HBITMAP DecodePng(const void* data, DWORD size)
{
    fw::ComApartment com; // for the calls of one decoding
    fw::ComPtr<IWICImagingFactory> factory;
    fw::ComPtr<IWICStream> stream;
    fw::ComPtr<IWICBitmapDecoder> decoder;
    fw::ComPtr<IWICBitmapFrameDecode> frame;
    fw::ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(factory.ReleaseAndGetAddressOf()))) ||
        FAILED(factory->CreateStream(stream.ReleaseAndGetAddressOf())) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)), size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand,
                                                decoder.ReleaseAndGetAddressOf())) ||
        FAILED(decoder->GetFrame(0, frame.ReleaseAndGetAddressOf())) ||
        FAILED(factory->CreateFormatConverter(converter.ReleaseAndGetAddressOf())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 4096 ||
        height > 4096)
        return nullptr;
    std::vector<BYTE> pixels(size_t(width) * height * 4);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()),
                                     pixels.data())))
        return nullptr;
    void* bits = nullptr;
    HBITMAP section = CreateSection(width, height, &bits);
    if (!section || !bits)
        return section;
    const UINT stride = (width * 3 + 3) & ~3u;
    for (UINT y = 0; y < height; ++y)
        for (UINT x = 0; x < width; ++x)
            for (UINT channel = 0; channel < 3; ++channel)
                static_cast<BYTE*>(bits)[y * stride + x * 3 + channel] =
                    pixels[(size_t(y) * width + x) * 4 + channel];
    return section;
}

// Which source columns (or rows) make up each of `to` pixels, and how much.
struct Share {
    int source;
    double weight;
};
std::vector<std::vector<Share>> Shares(int from, int to)
{
    std::vector<std::vector<Share>> shares(static_cast<size_t>(to));
    const double step = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        const double begin = i * step, end = (i + 1) * step;
        for (int source = static_cast<int>(begin); source < from && source < end; ++source) {
            const double overlap =
                (source + 1 < end ? source + 1 : end) - (source > begin ? source : begin);
            if (overlap > 0)
                shares[static_cast<size_t>(i)].push_back({source, overlap / step});
        }
    }
    return shares;
}

// The picture shrunk to width x height, each pixel the average of what it
// covers. GetObject reports a positive height for top-down sections too, so
// the caller says which way the rows run.
HBITMAP Shrink(const DIBSECTION& from, bool bottomUp, int width, int height)
{
    void* bits = nullptr;
    HBITMAP section = CreateSection(static_cast<UINT>(width), static_cast<UINT>(height), &bits);
    if (!section || !bits)
        return section;
    const auto columns = Shares(from.dsBm.bmWidth, width);
    const auto rows = Shares(from.dsBm.bmHeight, height);
    const auto* source = static_cast<const BYTE*>(from.dsBm.bmBits);
    const int sourceStride = from.dsBm.bmWidthBytes, stride = (width * 3 + 3) & ~3;
    auto sourceRow = [&](int row) {
        return source + (bottomUp ? from.dsBm.bmHeight - 1 - row : row) * sourceStride;
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int channel = 0; channel < 3; ++channel) {
                double sum = 0;
                for (const Share& row : rows[static_cast<size_t>(y)])
                    for (const Share& column : columns[static_cast<size_t>(x)])
                        sum += row.weight * column.weight *
                               sourceRow(row.source)[column.source * 3 + channel];
                static_cast<BYTE*>(bits)[y * stride + x * 3 + channel] =
                    static_cast<BYTE>(sum + 0.5 > 255 ? 255 : sum + 0.5);
            }
    return section;
}

// Above the largest stored scale: stretched, the best the system can.
HBITMAP Stretch(HBITMAP from, const BITMAP& size, int width, int height)
{
    void* bits = nullptr;
    HBITMAP section = CreateSection(static_cast<UINT>(width), static_cast<UINT>(height), &bits);
    CMemoryDC source(nullptr, 1, 1), target(nullptr, 1, 1);
    if (!section || !source.IsReady() || !target.IsReady())
        return section;
    fw::SelectGuard sourcePicture(source, from);
    fw::SelectGuard targetPicture(target, section);
    ::SetStretchBltMode(target, HALFTONE);
    ::StretchBlt(target, 0, 0, width, height, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    ::GdiFlush();
    return section;
}

HBITMAP LoadPng(UINT resourceId, int scale)
{
    HMODULE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(resourceId), ResourceType(scale));
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = found ? ::SizeofResource(module, found) : 0;
    return data && size ? DecodePng(data, size) : nullptr;
}

// The stored picture to make a width from: the smallest scale at least that
// wide, else the largest; null when only the 100 % picture is stored.
HBITMAP SourceFor(UINT resourceId, int baseWidth, int width)
{
    for (int scale : {150, 200})
        if (fw::ScaleToDpi(baseWidth, scale * fw::kDefaultDpi / 100) >= width &&
            HasScale(resourceId, scale))
            return LoadPng(resourceId, scale);
    for (int scale : {200, 150})
        if (HasScale(resourceId, scale))
            return LoadPng(resourceId, scale);
    return nullptr;
}

// A new picture of the size made from the source (which stays; its rows
// bottom-up unless it is a decoded stored picture); null on failure.
HBITMAP Resize(HBITMAP source, bool bottomUp, int width, int height)
{
    DIBSECTION from{};
    if (::GetObjectW(source, sizeof(from), &from) != sizeof(from) || !from.dsBm.bmBits ||
        from.dsBm.bmBitsPixel != 24 || width <= 0 || height <= 0)
        return nullptr;
    return from.dsBm.bmWidth >= width ? Shrink(from, bottomUp, width, height)
                                      : Stretch(source, from.dsBm, width, height);
}

} // namespace

int PictureScaleFor(UINT resourceId, int dpi)
{
    const int wanted = ::MulDiv(dpi, 100, 96);
    int best = 100;
    for (int scale : kScales) {
        const int distance = scale > wanted ? scale - wanted : wanted - scale;
        const int bestDistance = best > wanted ? best - wanted : wanted - best;
        if (distance <= bestDistance && HasScale(resourceId, scale))
            best = scale;
    }
    return best;
}

HBITMAP LoadScaledBitmap(UINT resourceId, int dpi)
{
    const int scale = PictureScaleFor(resourceId, dpi);
    if (scale != 100)
        if (HBITMAP picture = LoadPng(resourceId, scale))
            return picture;
    return static_cast<HBITMAP>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId),
                                             IMAGE_BITMAP, 0, 0,
                                             LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
}

HBITMAP LoadSizedBitmap(UINT resourceId, int dpi)
{
    CBitmap base(LoadScaledBitmap(resourceId, fw::kDefaultDpi));
    BITMAP size{};
    if (dpi == fw::kDefaultDpi || !base.GetBitmap(&size))
        return base.Detach();
    const int width = fw::ScaleToDpi(size.bmWidth, dpi);
    const int height = fw::ScaleToDpi(size.bmHeight, dpi);
    const CBitmap source(SourceFor(resourceId, size.bmWidth, width));
    HBITMAP sized = Resize(source.IsEmpty() ? base : source, source.IsEmpty(), width, height);
    return sized ? sized : base.Detach();
}

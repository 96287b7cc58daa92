#include "Files.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "Png.h"

namespace picgen {

namespace {

int Byte(float v)
{
    return std::clamp(int(std::lround(v)), 0, 255);
}

void Put16(std::vector<unsigned char>& out, unsigned v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<unsigned char>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// BITMAPINFOHEADER
void PutInfoHeader(std::vector<unsigned char>& out, int w, int h, int bits, uint32_t imageSize)
{
    Put32(out, 40);
    Put32(out, uint32_t(w));
    Put32(out, uint32_t(h));
    Put16(out, 1);
    Put16(out, unsigned(bits));
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
}

bool Save(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(f);
}

bool Masked(const Layer& l, int x, int y)
{
    return x < 0 || y < 0 || x >= l.Width() || y >= l.Height() || l.Straight(x, y).a < 0.5f;
}

// A kept pixel beside the mask whose colour is close to the mask colour
// would read as a silver fringe once the mask is cut out: darken it.
void DarkenFringe(const Layer& l, Rgb24& p, const Color& mask)
{
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            if (Masked(l, x, y))
                continue;
            bool edge = Masked(l, x - 1, y) || Masked(l, x + 1, y) || Masked(l, x, y - 1) ||
                        Masked(l, x, y + 1);
            unsigned char* c = &p.rgb[(size_t(y) * p.width + x) * 3];
            bool near = std::abs(c[0] - Byte(mask.r)) <= 32 &&
                        std::abs(c[1] - Byte(mask.g)) <= 32 && std::abs(c[2] - Byte(mask.b)) <= 32;
            if (edge && near)
                for (int i = 0; i < 3; ++i)
                    c[i] = (unsigned char)(c[i] * 0.55f);
        }
}

} // namespace

void Rgb24::Set(int x, int y, int r, int g, int b)
{
    size_t i = (size_t(y) * width + x) * 3;
    rgb[i] = (unsigned char)r;
    rgb[i + 1] = (unsigned char)g;
    rgb[i + 2] = (unsigned char)b;
}

Rgb24 Flatten(const Layer& layer, const Color& bg)
{
    Rgb24 p{layer.Width(), layer.Height(), {}};
    p.rgb.resize(size_t(p.width) * p.height * 3);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            Color c = layer.At(x, y);
            p.Set(x, y, Byte(c.r + bg.r * (1 - c.a)), Byte(c.g + bg.g * (1 - c.a)),
                  Byte(c.b + bg.b * (1 - c.a)));
        }
    return p;
}

Rgb24 FlattenMasked(const Layer& layer, const Color& mask)
{
    Rgb24 p{layer.Width(), layer.Height(), {}};
    p.rgb.resize(size_t(p.width) * p.height * 3);
    int mr = Byte(mask.r), mg = Byte(mask.g), mb = Byte(mask.b);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            Color c = layer.Straight(x, y);
            if (c.a < 0.5f) {
                p.Set(x, y, mr, mg, mb);
                continue;
            }
            int r = Byte(c.r), g = Byte(c.g), b = Byte(c.b);
            if (r == mr && g == mg && b == mb)
                b = b < 255 ? b + 1 : b - 1;
            p.Set(x, y, r, g, b);
        }
    DarkenFringe(layer, p, mask);
    return p;
}

bool WriteBmp(const std::string& path, const Rgb24& p)
{
    int stride = (p.width * 3 + 3) & ~3;
    uint32_t imageSize = uint32_t(stride) * uint32_t(p.height);
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 14 + 40 + imageSize);
    Put32(out, 0);
    Put32(out, 14 + 40);
    PutInfoHeader(out, p.width, p.height, 24, imageSize);
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            size_t i = (size_t(y) * p.width + x) * 3;
            out.push_back(p.rgb[i + 2]);
            out.push_back(p.rgb[i + 1]);
            out.push_back(p.rgb[i]);
        }
        for (int pad = p.width * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return Save(path, out);
}

bool WriteBmp8(const std::string& path, const Rgb24& p)
{
    const Palette palette = Quantize(p);
    const int stride = (p.width + 3) & ~3;
    const uint32_t imageSize = uint32_t(stride) * uint32_t(p.height);
    const uint32_t offset = 14 + 40 + 256 * 4;
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, p.width, p.height, 8, imageSize); // 0 colours used: all 256
    for (size_t i = 0; i < 256; ++i) {
        const uint32_t colour = i < palette.colours.size() ? palette.colours[i] : 0;
        Put32(out, colour); // blue, green, red, 0 in the file's byte order
    }
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x)
            out.push_back(palette.index[size_t(y) * size_t(p.width) + size_t(x)]);
        for (int pad = p.width; pad < stride; ++pad)
            out.push_back(0);
    }
    return Save(path, out);
}

bool WritePng(const std::string& path, const Rgb24& p)
{
    bool grey = true;
    for (size_t i = 0; grey && i < p.rgb.size(); i += 3)
        grey = p.rgb[i] == p.rgb[i + 1] && p.rgb[i] == p.rgb[i + 2];
    std::vector<unsigned char> pixels;
    if (grey)
        for (size_t i = 0; i < p.rgb.size(); i += 3)
            pixels.push_back(p.rgb[i]);
    const std::vector<unsigned char> png =
        EncodePng(p.width, p.height, grey ? 1 : 3, grey ? pixels : p.rgb);
    return !png.empty() && Save(path, png);
}

namespace {

std::vector<unsigned char> PngEntry(const Layer& l)
{
    std::vector<unsigned char> pixels;
    for (int y = 0; y < l.Height(); ++y)
        for (int x = 0; x < l.Width(); ++x) {
            Color c = l.Straight(x, y);
            int a = Byte(c.a * 255);
            for (float v : {c.r, c.g, c.b})
                pixels.push_back((unsigned char)(a ? Byte(v) : 0));
            pixels.push_back((unsigned char)a);
        }
    return EncodePng(l.Width(), l.Height(), 4, pixels);
}

} // namespace

bool WriteIco(const std::string& path, const std::vector<const Layer*>& images)
{
    std::vector<std::vector<unsigned char>> entries;
    for (const Layer* l : images) {
        int w = l->Width(), h = l->Height();
        if (w != 16 && w != 32) {
            entries.push_back(PngEntry(*l));
            continue;
        }
        int maskStride = ((w + 31) / 32) * 4;
        std::vector<unsigned char> e;
        PutInfoHeader(e, w, h * 2, 32, uint32_t(w * h * 4 + maskStride * h));
        for (int y = h - 1; y >= 0; --y)
            for (int x = 0; x < w; ++x) {
                Color c = l->Straight(x, y);
                int a = Byte(c.a * 255);
                e.push_back((unsigned char)(a ? Byte(c.b) : 0));
                e.push_back((unsigned char)(a ? Byte(c.g) : 0));
                e.push_back((unsigned char)(a ? Byte(c.r) : 0));
                e.push_back((unsigned char)a);
            }
        for (int y = h - 1; y >= 0; --y) {
            std::vector<unsigned char> row(size_t(maskStride), 0);
            for (int x = 0; x < w; ++x)
                if (l->At(x, y).a < 0.5f)
                    row[size_t(x / 8)] |= (unsigned char)(0x80 >> (x % 8));
            e.insert(e.end(), row.begin(), row.end());
        }
        entries.push_back(std::move(e));
    }
    std::vector<unsigned char> out;
    Put16(out, 0);
    Put16(out, 1); // icon
    Put16(out, unsigned(images.size()));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back((unsigned char)(images[i]->Width() & 0xFF)); // 256 is written as 0
        out.push_back((unsigned char)(images[i]->Height() & 0xFF));
        out.push_back(0); // no palette
        out.push_back(0);
        Put16(out, 1);  // planes
        Put16(out, 32); // bits
        Put32(out, uint32_t(entries[i].size()));
        Put32(out, offset);
        offset += uint32_t(entries[i].size());
    }
    for (const auto& e : entries)
        out.insert(out.end(), e.begin(), e.end());
    return Save(path, out);
}

} // namespace picgen

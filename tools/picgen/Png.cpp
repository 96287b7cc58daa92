// PNG files for the pictures above 100 %: zlib's deflate over rows filtered
// in whichever of six ways packs smallest (one filter for every row, or each
// row the filter that leaves the smallest sum of differences).
#include "Png.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>

#include <zlib.h>

namespace picgen {

namespace {

void Put32(std::vector<unsigned char>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((unsigned char)(v >> shift));
}

void Chunk(std::vector<unsigned char>& out, const char* type,
           const std::vector<unsigned char>& data)
{
    Put32(out, uint32_t(data.size()));
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32(out, uint32_t(crc32(0, body.data(), uInt(body.size()))));
}

int Paeth(int a, int b, int c)
{
    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// One row with the filter (0 to 4) in front of it.
std::vector<unsigned char> Filter(const unsigned char* row, const unsigned char* above, size_t size,
                                  int channels, int filter)
{
    std::vector<unsigned char> out(size + 1);
    out[0] = (unsigned char)filter;
    for (size_t i = 0; i < size; ++i) {
        int a = i >= size_t(channels) ? row[i - channels] : 0;
        int b = above ? above[i] : 0;
        int c = above && i >= size_t(channels) ? above[i - channels] : 0;
        int predictor = filter == 1   ? a
                        : filter == 2 ? b
                        : filter == 3 ? (a + b) / 2
                        : filter == 4 ? Paeth(a, b, c)
                                      : 0;
        out[i + 1] = (unsigned char)(row[i] - predictor);
    }
    return out;
}

long Cost(const std::vector<unsigned char>& filtered)
{
    long sum = 0;
    for (size_t i = 1; i < filtered.size(); ++i)
        sum += filtered[i] < 128 ? filtered[i] : 256 - filtered[i];
    return sum;
}

constexpr int kAdaptive = -1;

// The filtered rows: every row with the filter, or with its cheapest one.
std::vector<unsigned char> FilterRows(int width, int height, int channels,
                                      const std::vector<unsigned char>& pixels, int filter)
{
    const size_t stride = size_t(width) * channels;
    std::vector<unsigned char> raw;
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = &pixels[size_t(y) * stride];
        const unsigned char* above = y > 0 ? row - stride : nullptr;
        std::vector<unsigned char> best =
            Filter(row, above, stride, channels, filter == kAdaptive ? 0 : filter);
        for (int other = 1; filter == kAdaptive && other <= 4; ++other) {
            std::vector<unsigned char> candidate = Filter(row, above, stride, channels, other);
            if (Cost(candidate) < Cost(best))
                best = std::move(candidate);
        }
        raw.insert(raw.end(), best.begin(), best.end());
    }
    return raw;
}

std::vector<unsigned char> Deflate(const std::vector<unsigned char>& raw)
{
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 9) != Z_OK)
        return {};
    packed.resize(packedSize);
    return packed;
}

} // namespace

std::vector<unsigned char> EncodePng(int width, int height, int channels,
                                     const std::vector<unsigned char>& pixels)
{
    static const int kColourType[] = {0, 0, 4, 2, 6}; // by channels: grey, -, RGB, RGBA
    std::vector<unsigned char> packed;
    for (int filter : {kAdaptive, 0, 1, 2, 3, 4}) {
        std::vector<unsigned char> candidate =
            Deflate(FilterRows(width, height, channels, pixels, filter));
        if (!candidate.empty() && (packed.empty() || candidate.size() < packed.size()))
            packed = std::move(candidate);
    }
    if (packed.empty())
        return {};

    std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    Put32(header, uint32_t(width));
    Put32(header, uint32_t(height));
    header.push_back(8); // bits per channel
    header.push_back((unsigned char)kColourType[channels]);
    header.push_back(0); // deflate
    header.push_back(0); // adaptive filtering
    header.push_back(0); // not interlaced
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", {});
    return out;
}

} // namespace picgen

#include "Palette.h"

#include <algorithm>
#include <map>

namespace picgen {
namespace {

struct Counted {
    uint32_t colour;
    uint64_t count;
};

int Channel(uint32_t colour, int channel)
{
    return int((colour >> (16 - 8 * channel)) & 0xFF);
}

// A box of colours: its widest channel and how wide it is.
std::pair<int, int> Widest(const std::vector<Counted>& box)
{
    std::pair<int, int> widest{0, -1};
    for (int channel = 0; channel < 3; ++channel) {
        int low = 255, high = 0;
        for (const Counted& c : box) {
            low = std::min(low, Channel(c.colour, channel));
            high = std::max(high, Channel(c.colour, channel));
        }
        if (high - low > widest.second)
            widest = {channel, high - low};
    }
    return widest;
}

// Splits the box at the weighted median of its widest channel.
void Split(std::vector<Counted>& box, std::vector<Counted>& other)
{
    const int channel = Widest(box).first;
    std::sort(box.begin(), box.end(), [channel](const Counted& a, const Counted& b) {
        return Channel(a.colour, channel) < Channel(b.colour, channel);
    });
    uint64_t total = 0, running = 0;
    for (const Counted& c : box)
        total += c.count;
    size_t cut = 1;
    while (cut < box.size() - 1 && (running += box[cut - 1].count) < total / 2)
        ++cut;
    other.assign(box.begin() + long(cut), box.end());
    box.resize(cut);
}

uint32_t Average(const std::vector<Counted>& box)
{
    uint64_t sum[3] = {}, total = 0;
    for (const Counted& c : box) {
        for (int channel = 0; channel < 3; ++channel)
            sum[channel] += uint64_t(Channel(c.colour, channel)) * c.count;
        total += c.count;
    }
    uint32_t colour = 0;
    for (int channel = 0; channel < 3; ++channel)
        colour = (colour << 8) | uint32_t((sum[channel] + total / 2) / total);
    return colour;
}

unsigned char Nearest(const std::vector<uint32_t>& colours, uint32_t colour)
{
    size_t best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < colours.size(); ++i) {
        int distance = 0;
        for (int channel = 0; channel < 3; ++channel) {
            const int d = Channel(colours[i], channel) - Channel(colour, channel);
            distance += d * d;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<unsigned char>(best);
}

} // namespace

Palette Quantize(const Rgb24& p)
{
    std::map<uint32_t, uint64_t> counts;
    std::vector<uint32_t> pixels;
    for (size_t i = 0; i + 2 < p.rgb.size(); i += 3) {
        const uint32_t colour =
            (uint32_t(p.rgb[i]) << 16) | (uint32_t(p.rgb[i + 1]) << 8) | p.rgb[i + 2];
        pixels.push_back(colour);
        ++counts[colour];
    }
    std::vector<std::vector<Counted>> boxes(1);
    for (const auto& entry : counts)
        boxes[0].push_back({entry.first, entry.second});
    while (boxes.size() < 256) {
        // The widest box that can still be split.
        size_t widest = boxes.size();
        int width = 0;
        for (size_t b = 0; b < boxes.size(); ++b)
            if (boxes[b].size() > 1 && Widest(boxes[b]).second > width) {
                widest = b;
                width = Widest(boxes[b]).second;
            }
        if (widest == boxes.size())
            break; // every colour has a box of its own
        std::vector<Counted> other;
        Split(boxes[widest], other);
        boxes.push_back(std::move(other));
    }
    Palette palette;
    for (const std::vector<Counted>& box : boxes)
        palette.colours.push_back(Average(box));
    std::map<uint32_t, unsigned char> mapped;
    for (uint32_t colour : pixels) {
        auto found = mapped.find(colour);
        if (found == mapped.end())
            found = mapped.emplace(colour, Nearest(palette.colours, colour)).first;
        palette.index.push_back(found->second);
    }
    return palette;
}

} // namespace picgen

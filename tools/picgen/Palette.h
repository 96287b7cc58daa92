#pragma once
// At most 256 colours for a picture: its own colours when it has no more,
// else a median cut of them weighted by how often each occurs.
#include <cstdint>
#include <vector>

#include "Files.h"

namespace picgen {

struct Palette {
    std::vector<uint32_t> colours;    // 0xRRGGBB, at most 256
    std::vector<unsigned char> index; // one per pixel, top-down
};

Palette Quantize(const Rgb24& picture);

} // namespace picgen

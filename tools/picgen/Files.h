#pragma once
// Writers for the two file formats the resource compiler takes.
#include <string>
#include <vector>

#include "Raster.h"

namespace picgen {

// An opaque 24-bit picture (bottom-up rows, padded to 4 bytes).
struct Rgb24 {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // top-down, 3 bytes per pixel, r g b
    void Set(int x, int y, int r, int g, int b);
};

// Flattens a layer over an opaque background colour.
Rgb24 Flatten(const Layer& layer, const Color& background);

// Flattens a layer onto the transparent mask colour: pixels less than half
// covered become exactly the mask colour; all others take their own colour at
// full strength, nudged away from the mask colour, so no blend with it remains.
Rgb24 FlattenMasked(const Layer& layer, const Color& mask);

bool WriteBmp(const std::string& path, const Rgb24& picture);
// An 8-bit bitmap with a palette of at most 256 colours (Palette.h): exact
// for a picture with no more colours, else the nearest of a median cut.
bool WriteBmp8(const std::string& path, const Rgb24& picture);

// A compressed PNG of the picture: 8-bit grey when every pixel is grey, else
// 8-bit RGB. No time stamps, so the same picture gives the same bytes.
bool WritePng(const std::string& path, const Rgb24& picture);

// Icon entries are 32-bit ARGB images with an AND mask, one per layer; the
// classic sizes 16 and 32 as bitmaps, every other size as an RGBA PNG.
bool WriteIco(const std::string& path, const std::vector<const Layer*>& images);

} // namespace picgen

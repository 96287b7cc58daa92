#pragma once
// A tiny stroke font (geometric, round ends) for the few words the pictures
// carry. Units: cap height 7, x-height 5, baseline 0, y up.
#include <string>

#include "Raster.h"

namespace picgen {

struct TextStyle {
    float unit = 1.0f;    // pixels per font unit
    float stroke = 1.0f;  // pen width in pixels
    float spacing = 1.6f; // font units between glyphs
};

// Width of the text in pixels.
float TextWidth(const std::string& text, const TextStyle& style);

// Adds the strokes of the text, starting at x with the baseline at y.
void AddText(Mask& mask, const std::string& text, float x, float y, const TextStyle& style);

} // namespace picgen

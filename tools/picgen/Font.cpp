#include "Font.h"

#include <cmath>
#include <vector>

namespace picgen {

namespace {

using Line = std::vector<float>; // x0, y0, x1, y1, ... in font units

struct Glyph {
    float width;
    std::vector<Line> lines;
};

constexpr float kPi = 3.14159265f;

// Points of an elliptic arc from angle a0 to a1 (degrees, counter-clockwise
// when a1 > a0), appended to a line.
Line Arc(float cx, float cy, float rx, float ry, float a0, float a1, Line start = {})
{
    int steps = int(std::ceil(std::fabs(a1 - a0) / 10.0f));
    for (int i = 0; i <= steps; ++i) {
        float a = (a0 + (a1 - a0) * i / steps) * kPi / 180.0f;
        start.push_back(cx + rx * std::cos(a));
        start.push_back(cy + ry * std::sin(a));
    }
    return start;
}

Line Then(Line l, std::initializer_list<float> more)
{
    l.insert(l.end(), more.begin(), more.end());
    return l;
}

Glyph Find(char c)
{
    switch (c) {
    case 'V':
        return {5.4f, {{0, 7, 2.7f, 0, 5.4f, 7}}};
    case 'a':
        return {4.8f, {Arc(2.4f, 2.5f, 2.4f, 2.5f, 0, 360), {4.8f, 5, 4.8f, 0}}};
    case 'c':
        return {4.5f, {Arc(2.4f, 2.5f, 2.4f, 2.5f, 40, 320)}};
    case 'd':
        return {4.8f, {Arc(2.4f, 2.5f, 2.4f, 2.5f, 0, 360), {4.8f, 7.3f, 4.8f, 0}}};
    case 'e':
        return {4.8f, {Arc(2.4f, 2.5f, 2.4f, 2.5f, 0, 315, {0.1f, 2.5f})}};
    case 'i':
        return {0, {{0, 5, 0, 0}, {0, 6.8f, 0, 6.8f}}};
    case 'l':
        return {0, {{0, 7.3f, 0, 0}}};
    case 'n':
        return {4.4f, {{0, 5, 0, 0}, Then(Arc(2.2f, 2.9f, 2.2f, 2.1f, 180, 0), {4.4f, 0})}};
    case 'o':
        return {4.8f, {Arc(2.4f, 2.5f, 2.4f, 2.5f, 0, 360)}};
    case 'r':
        return {3.0f, {{0, 5, 0, 0}, Arc(2.7f, 2.6f, 2.7f, 2.4f, 180, 75)}};
    case 's':
        return {3.8f,
                {Arc(1.9f, 1.25f, 1.9f, 1.25f, 90, -160, Arc(1.9f, 3.75f, 1.8f, 1.25f, 25, 270))}};
    case 't':
        return {2.6f, {{1.1f, 6.6f, 1.1f, 0.8f, 1.6f, 0, 2.6f, 0}, {0, 5, 2.6f, 5}}};
    case 'y':
        return {4.6f, {{0, 5, 2.3f, 0.2f}, {4.6f, 5, 1.6f, -2.2f}}};
    case '0':
        return {4.0f, {Arc(2, 3.5f, 2, 3.5f, 0, 360)}};
    case '1':
        return {2.2f, {{0, 5.6f, 2, 7, 2, 0}}};
    case '2':
        return {4.0f, {Then(Arc(2, 5, 2, 2, 160, -30), {0, 0, 4.2f, 0})}};
    case '3':
        return {4.0f, {Arc(2, 5.3f, 1.9f, 1.7f, 150, -90), Arc(2, 1.8f, 2.1f, 1.8f, 90, -150)}};
    case '4':
        return {4.4f, {{3.2f, 0, 3.2f, 7, 0, 2, 4.4f, 2}}};
    case '5':
        return {4.0f, {{3.9f, 7, 0.5f, 7, 0.3f, 3.9f}, Arc(2, 2.2f, 2.1f, 2.2f, 125, -145)}};
    case '6':
        return {4.0f, {Arc(2, 2.2f, 2, 2.2f, 0, 360), {0.1f, 2.6f, 2.9f, 7}}};
    case '7':
        return {4.0f, {{0, 7, 4.2f, 7, 1.4f, 0}}};
    case '8':
        return {4.0f, {Arc(2, 5.3f, 1.7f, 1.7f, 0, 360), Arc(2, 1.9f, 2, 1.9f, 0, 360)}};
    case '9':
        return {4.0f, {Arc(2, 4.8f, 2, 2.2f, 0, 360), {3.9f, 4.4f, 1.1f, 0}}};
    case ':':
        return {0.6f, {{0.3f, 0.4f, 0.3f, 0.4f}, {0.3f, 4.2f, 0.3f, 4.2f}}};
    case '.':
        return {0, {{0, 0.3f, 0, 0.3f}}};
    default:
        return {2.4f, {}};
    }
}

} // namespace

float TextWidth(const std::string& text, const TextStyle& style)
{
    float w = 0;
    for (size_t i = 0; i < text.size(); ++i)
        w += Find(text[i]).width + (i + 1 < text.size() ? style.spacing : 0);
    return w * style.unit + style.stroke;
}

void AddText(Mask& mask, const std::string& text, float x, float y, const TextStyle& style)
{
    float pen = x + style.stroke / 2;
    for (char c : text) {
        Glyph g = Find(c);
        for (const Line& l : g.lines) {
            for (size_t i = 0; i + 3 < l.size(); i += 2) {
                float ax = pen + l[i] * style.unit, ay = y - l[i + 1] * style.unit;
                float bx = pen + l[i + 2] * style.unit, by = y - l[i + 3] * style.unit;
                mask.Add(Capsule(ax, ay, bx, by, style.stroke));
            }
        }
        pen += (g.width + style.spacing) * style.unit;
    }
}

} // namespace picgen

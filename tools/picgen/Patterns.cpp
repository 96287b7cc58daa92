// The two grey side pictures. Only their blue channel counts: the program
// recolours them into the button-face scheme, taking blue as brightness, so
// they are drawn in plain greys, light with soft darker shapes.
#include <cmath>

#include "Pictures.h"

namespace picgen {

namespace {

constexpr float kPi = 3.14159265f;

Color Grey(int v, float a = 1.0f)
{
    return Rgb(v, v, v, a);
}

Shape RotatedEllipse(float cx, float cy, float rx, float ry, float degrees)
{
    float c = std::cos(degrees * kPi / 180), s = std::sin(degrees * kPi / 180);
    float r = std::fmax(rx, ry);
    return {{cx - r, cy - r, cx + r, cy + r}, [=](float x, float y) {
                float u = ((x - cx) * c + (y - cy) * s) / rx;
                float v = (-(x - cx) * s + (y - cy) * c) / ry;
                return u * u + v * v <= 1.0f;
            }};
}

// A ribbon between two sine curves, across the whole width.
Shape Ribbon(float width, float y, float amplitude, float period, float phase, float thick)
{
    return {{0, y - amplitude - thick, width, y + amplitude + thick}, [=](float x, float py) {
                float centre = y + amplitude * std::sin(2 * kPi * x / period + phase);
                float t = thick * (0.55f + 0.45f * std::sin(2 * kPi * x / (period * 1.7f) + phase));
                return std::fabs(py - centre) <= t / 2;
            }};
}

// A flower of soft petals: filled lightly, edged a little darker.
void Flower(Layer& l, float cx, float cy, float r, int petals, float turn, int shade)
{
    for (int i = 0; i < petals; ++i) {
        float a = turn + i * 360.0f / petals;
        float px = cx + r * 0.55f * std::cos(a * kPi / 180);
        float py = cy + r * 0.55f * std::sin(a * kPi / 180);
        Mask m(l);
        m.Add(RotatedEllipse(px, py, r * 0.55f, r * 0.26f, a));
        Mask inner(l);
        inner.Add(RotatedEllipse(px, py, r * 0.55f - 1.2f, r * 0.26f - 1.2f, a));
        l.Paint(m, Grey(shade, 0.55f));
        l.Paint(inner, Grey(250, 0.5f));
    }
    l.Paint(Circle(cx, cy, r * 0.16f), Grey(shade, 0.8f));
    l.Paint(Circle(cx, cy, r * 0.09f), Grey(235, 0.9f));
}

Rgb24 Side(int width, int height, float flowerScale, float scale)
{
    Layer l = Layer::Scaled(width, height, scale);
    l.Paint(RoundRect(0, 0, float(width), float(height), 0),
            [=](float, float y) { return Grey(int(252 - 18 * y / height)); });
    float w = float(width), h = float(height);
    l.Paint(Ribbon(w, h * 0.80f, 9, w * 1.6f, 0.4f, 10), Grey(130, 0.55f));
    l.Paint(Ribbon(w, h * 0.86f, 7, w * 1.2f, 2.1f, 7), Grey(90, 0.45f));
    l.Paint(Ribbon(w, h * 0.92f, 6, w * 1.9f, 4.0f, 12), Grey(160, 0.6f));
    float s = flowerScale;
    Flower(l, w * 0.70f, h * 0.18f, 34 * s, 6, 10, 60);
    Flower(l, w * 0.18f, h * 0.40f, 22 * s, 5, 40, 80);
    Flower(l, w * 0.78f, h * 0.58f, 16 * s, 5, 0, 90);
    // A few drifting petals.
    const float petals[][4] = {{0.35f, 0.07f, 7, 30},  {0.30f, 0.27f, 6, -20},
                               {0.55f, 0.35f, 5, 70},  {0.42f, 0.50f, 6, 15},
                               {0.22f, 0.66f, 5, -50}, {0.58f, 0.72f, 4, 40}};
    for (const auto& p : petals)
        l.Paint(RotatedEllipse(w * p[0], h * p[1], p[2] * s, p[2] * s * 0.45f, p[3]),
                Grey(110, 0.6f));
    return Flatten(l, Grey(255));
}

} // namespace

Rgb24 StripePicture(float scale)
{
    return Side(76, 286, 1.0f, scale);
}

Rgb24 WizardPicture(float scale)
{
    return Side(100, 232, 1.15f, scale);
}

} // namespace picgen

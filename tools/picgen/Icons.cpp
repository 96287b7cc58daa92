#include "Icons.h"

#include <array>
#include <cmath>

namespace picgen {

namespace {

struct Sheet {
    float x0, y0, x1, y1, radius, header; // pixels
};

// The binder rings' centres across the sheet, on pixel centres.
std::array<float, 2> RingXs(const Sheet& s)
{
    const float w = s.x1 - s.x0;
    return {std::round(s.x0 + w * 0.27f) + 0.5f, std::round(s.x1 - w * 0.27f) + 0.5f};
}

// A binder ring's shape at x (a pixel centre), grown by `grow` pixels all
// round (a negative grow shrinks it): a whole, odd number of pixels wide and
// high, so that its edges are crisp.
Shape RingShape(const Sheet& s, float k, float x, float grow)
{
    if (k < 0.75f) // small sizes: a plain dark ring one pixel wide
        return Capsule(x, s.y0 - 1.5f, x, s.y0 + 1.5f, 1 + 2 * grow);
    const float w = 2 * std::round(1.5f * k) + 1 + 2 * grow;
    const float top = std::round(s.y0 - 4 * k - 0.5f) - grow;
    const float bottom = std::round(s.y0 + 5 * k + 0.5f) + grow;
    return Capsule(x, top + w / 2, x, bottom - w / 2, w);
}

// A calendar sheet: outline, paper, a coloured header and two binder rings.
void DrawSheet(Layer& l, const Sheet& s, float k, Color outline, Color headTop, Color headBottom)
{
    const float o = 1.0f; // outline width in pixels
    l.Paint(RoundRect(s.x0, s.y0, s.x1, s.y1, s.radius), outline);
    Mask paper(l);
    paper.Add(RoundRect(s.x0 + o, s.y0 + o, s.x1 - o, s.y1 - o, s.radius - o));
    l.Paint(paper, Vertical(Rgb(255, 255, 255), Rgb(226, 226, 230), s.header, s.y1));
    Mask head = paper;
    head.Keep(Rect(0, 0, float(l.Width()), s.header));
    l.Paint(head, Vertical(headTop, headBottom, s.y0, s.header));
    l.Paint(Rect(s.x0 + o, s.header, s.x1 - o, s.header + o), Mix(headBottom, outline, 0.5f));
    for (float rx : RingXs(s)) {
        l.Paint(RingShape(s, k, rx, 0), outline);
        if (k >= 0.75f) // a light ring in a dark outline
            l.Paint(RingShape(s, k, rx, -1), Rgb(236, 236, 236));
    }
}

// A light rim one pixel wide around the sheet and its rings, under the dark
// outline: the outline stands out from a light background, the rim from a
// dark one (a taskbar of either kind).
void DrawRim(Layer& l, const Sheet& s, float k, Color rim)
{
    const float r = 1.0f; // rim width in pixels
    Mask m(l);
    m.Add(RoundRect(s.x0 - r, s.y0 - r, s.x1 + r, s.y1 + r, s.radius + r));
    for (float rx : RingXs(s))
        m.Add(RingShape(s, k, rx, r));
    l.Paint(m, rim);
}

void DrawDrop(Layer& l, float cx, float top, float bottom, float radius, Color outline, Color light,
              Color dark, bool highlight)
{
    l.Paint(Drop(cx, top, bottom, radius), outline);
    l.Paint(Drop(cx, top + 1.6f, bottom - 1, radius - 1), [=](float x, float y) {
        float t =
            std::fmin(1.0f, std::hypot(x - (cx - radius * 0.4f), y - (bottom - radius * 1.2f)) /
                                (radius * 1.8f));
        return Mix(light, dark, t);
    });
    if (highlight) {
        float hx = cx - radius * 0.42f, hy = bottom - radius * 1.05f;
        l.Paint(Ellipse(hx, hy, radius * 0.2f, radius * 0.36f), Rgb(255, 255, 255, 0.85f));
    }
}

} // namespace

Layer ProgramIcon(int size, Tone tone)
{
    float k = size / 32.0f;
    Layer l(size, size);
    bool pink = tone == Tone::Pink;
    Color outline = pink ? Rgb(122, 22, 66) : Rgb(28, 28, 28);
    Color headTop = pink ? Rgb(250, 128, 170) : Rgb(120, 120, 120);
    Color headBottom = pink ? Rgb(222, 58, 118) : Rgb(64, 64, 64);
    Sheet s{std::round(3 * k),        std::round(6 * k),      size - std::round(3 * k),
            size - std::round(2 * k), std::fmax(1.5f, 3 * k), std::round(12 * k)};
    DrawRim(l, s, k, Rgb(255, 255, 255));
    DrawSheet(l, s, k, outline, headTop, headBottom);
    float cx = size / 2.0f;
    Color light = pink ? Rgb(255, 140, 180) : Rgb(110, 110, 110);
    Color dark = pink ? Rgb(214, 24, 92) : Rgb(16, 16, 16);
    bool tiny = size < 24;
    float dropTop = s.header + (tiny ? 0.4f : 2.2f * k);
    float dropBottom = s.y1 - (tiny ? 1.4f : 2.6f * k);
    if (tiny) { // a plain, solid drop reads best at 16 pixels
        l.Paint(Drop(cx, dropTop - 0.6f, dropBottom, 3.0f), pink ? Rgb(214, 24, 92) : Rgb(0, 0, 0));
        l.Paint(Capsule(cx - 1.2f, dropBottom - 3.2f, cx - 1.2f, dropBottom - 2.2f, 0.9f),
                Rgb(255, 255, 255, 0.7f));
        return l;
    }
    DrawDrop(l, cx, dropTop, dropBottom, 5.6f * k, pink ? outline : Rgb(0, 0, 0), light, dark,
             true);
    return l;
}

Layer DropIcon(int size)
{
    float k = size / 32.0f;
    Layer l(size, size);
    DrawDrop(l, size / 2.0f, 1.0f * k, size - 1.0f * k, 10.5f * k, Rgb(130, 18, 56),
             Rgb(255, 150, 180), Rgb(206, 22, 84), true);
    return l;
}

Layer SpanIcon(int size)
{
    float k = size / 32.0f;
    Layer l(size, size);
    Sheet s{std::round(2 * k),        std::round(5 * k),      size - std::round(2 * k),
            size - std::round(3 * k), std::fmax(1.5f, 3 * k), std::round(11 * k)};
    Color outline = Rgb(24, 44, 80);
    DrawSheet(l, s, k, outline, Rgb(110, 170, 232), Rgb(40, 100, 180));
    // A row of days, with a span marked between two periods.
    float y = std::round(20 * k) + 0.5f;
    float left = s.x0 + std::round(5 * k), right = s.x1 - std::round(5 * k);
    float w = std::fmax(1.0f, std::round(1.6f * k));
    if (size >= 24)
        for (int i = 0; i < 5; ++i) {
            float dx = s.x0 + (s.x1 - s.x0) * (i + 0.5f) / 5;
            l.Paint(Circle(dx, y + 6 * k, 1.1f * k), Rgb(150, 160, 180));
        }
    l.Paint(Capsule(left, y, right, y, w), outline);
    float hh = 3.2f * k;
    l.Paint(Polygon({left - 1.2f * k, y, left + 3.8f * k, y - hh, left + 3.8f * k, y + hh}),
            outline);
    l.Paint(Polygon({right + 1.2f * k, y, right - 3.8f * k, y - hh, right - 3.8f * k, y + hh}),
            outline);
    if (size < 24)
        return l;
    float barTop = y - 5 * k, barBottom = y + 5 * k;
    l.Paint(Capsule(left - 2 * k, barTop, left - 2 * k, barBottom, w), Rgb(206, 22, 84));
    l.Paint(Capsule(right + 2 * k, barTop, right + 2 * k, barBottom, w), Rgb(206, 22, 84));
    return l;
}

} // namespace picgen

// The navigation pictures (four 32 x 32 cells) and the menu's 16 x 16 picture.
// They are masked with silver: every outer edge is a dark outline, so the
// hard cut at the mask leaves no silver-ish fringe.
#include <cmath>

#include "Pictures.h"

namespace picgen {

namespace {

constexpr float kPi = 3.14159265f;

std::function<Color(float, float)> Radial(Color inner, Color outer, float cx, float cy, float r)
{
    return [=](float x, float y) {
        return Mix(inner, outer, std::fmin(1.0f, std::hypot(x - cx, y - cy) / r));
    };
}

// A gear with rounded teeth, centred at (cx, cy).
Shape Gear(float cx, float cy, float outer, float root, int teeth, float hole)
{
    return {{cx - outer, cy - outer, cx + outer, cy + outer}, [=](float x, float y) {
                float dx = x - cx, dy = y - cy;
                float r = std::hypot(dx, dy);
                if (r < hole || r > outer)
                    return false;
                float a = std::atan2(dy, dx) / (2 * kPi) * teeth + 0.25f;
                float f = a - std::floor(a);       // 0..1 across one tooth and gap
                float d = std::fabs(f - 0.5f) * 2; // 0 at the tooth's middle
                float edge =
                    root + (outer - root) * std::fmin(1.0f, std::fmax(0.0f, (0.62f - d) / 0.18f));
                return r <= edge;
            }};
}

void CalendarCell(Layer& l, float ox)
{
    Color outline = Rgb(40, 40, 56);
    l.Paint(RoundRect(ox + 3, 5, ox + 29, 30, 2.5f), outline);
    Mask paper(l);
    paper.Add(RoundRect(ox + 4, 6, ox + 28, 29, 1.5f));
    l.Paint(paper, Vertical(Rgb(255, 255, 255), Rgb(228, 230, 236), 12, 29));
    Mask head = paper;
    head.Keep(Rect(ox, 0, ox + 32, 12));
    l.Paint(head, Vertical(Rgb(250, 120, 160), Rgb(214, 50, 104), 6, 12));
    l.Paint(Rect(ox + 4, 12, ox + 28, 13), Rgb(150, 30, 70));
    // Day cells: four columns, three rows; critical days in pink, today framed.
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            float x = ox + 6 + col * 5.5f, y = 15 + row * 4.5f;
            bool critical = row == 1 && col >= 1 && col <= 2;
            Color c = critical ? Rgb(240, 150, 170) : Rgb(176, 182, 196);
            l.Paint(Rect(std::round(x), y, std::round(x) + 4, y + 3), c);
        }
    // Today: the last cell of the bottom row, framed.
    float tx = std::round(ox + 6 + 3 * 5.5f), ty = 15 + 2 * 4.5f;
    Mask frame(l);
    frame.Add(Rect(tx - 1, ty - 1, tx + 5, ty + 4)).Cut(Rect(tx, ty, tx + 4, ty + 3));
    l.Paint(frame, Rgb(40, 90, 200));
    for (float rx : {ox + 10.5f, ox + 21.5f}) {
        l.Paint(Capsule(rx, 2.5f, rx, 8.5f, 4), outline);
        l.Paint(Capsule(rx, 3, rx, 8, 2), Rgb(236, 236, 240));
    }
}

void ClockCell(Layer& l, float ox)
{
    float cx = ox + 16, cy = 16.5f;
    l.Paint(Circle(cx, cy, 14.5f), Rgb(30, 40, 70));
    l.Paint(Circle(cx, cy, 13.5f), Vertical(Rgb(150, 186, 232), Rgb(40, 84, 160), 3, 30));
    l.Paint(Circle(cx, cy, 11), Rgb(40, 60, 110));
    l.Paint(Circle(cx, cy, 10.2f),
            Radial(Rgb(255, 255, 255), Rgb(220, 226, 238), cx - 3, cy - 3, 14));
    for (int i = 0; i < 12; ++i) {
        float a = i * kPi / 6;
        float r0 = i % 3 == 0 ? 7.2f : 8.2f;
        l.Paint(Capsule(cx + r0 * std::cos(a), cy + r0 * std::sin(a), cx + 9.2f * std::cos(a),
                        cy + 9.2f * std::sin(a), i % 3 == 0 ? 1.5f : 1.0f),
                Rgb(60, 70, 96));
    }
    l.Paint(Capsule(cx, cy, cx - 3.2f, cy - 4.4f, 2.0f), Rgb(30, 34, 50)); // hour hand
    l.Paint(Capsule(cx, cy, cx + 5.6f, cy - 5.0f, 1.5f), Rgb(30, 34, 50)); // minutes
    l.Paint(Capsule(cx - 2.0f, cy + 2.6f, cx + 4.6f, cy - 6.2f, 0.8f), Rgb(214, 40, 96));
    l.Paint(Circle(cx, cy, 1.4f), Rgb(214, 40, 96));
}

void GearCell(Layer& l, float ox)
{
    float cx = ox + 16, cy = 16;
    l.Paint(Gear(cx, cy, 15, 11.2f, 8, 4.2f), Rgb(36, 40, 50));
    Mask body(l);
    body.Add(Gear(cx, cy, 13.8f, 10.1f, 8, 5.3f));
    l.Paint(body, [=](float x, float y) {
        float t = std::fmin(1.0f, std::fmax(0.0f, ((x - ox) + y) / 64.0f));
        return Mix(Rgb(236, 238, 244), Rgb(110, 118, 136), t);
    });
    l.Paint(Ring(cx, cy, 7.6f, 1.0f), Rgb(126, 134, 152, 0.8f));
    l.Paint(Ring(cx, cy, 8.6f, 1.0f), Rgb(250, 250, 255, 0.6f));
}

void InfoCell(Layer& l, float ox)
{
    float cx = ox + 16, cy = 16;
    l.Paint(Circle(cx, cy, 15), Rgb(16, 44, 110));
    l.Paint(Circle(cx, cy, 14), Radial(Rgb(120, 176, 250), Rgb(30, 86, 190), cx - 4, cy - 6, 20));
    l.Paint(Ellipse(cx, cy - 7, 9, 5), Rgb(255, 255, 255, 0.22f));
    l.Paint(Circle(cx, 9, 2.3f), Rgb(255, 255, 255));
    Mask stem(l);
    stem.Add(RoundRect(cx - 2, 13, cx + 2, 25, 0.8f));
    stem.Add(RoundRect(cx - 4.5f, 13, cx + 2, 15, 0.8f));
    stem.Add(RoundRect(cx - 4.5f, 23, cx + 4.5f, 25, 0.8f));
    l.Paint(stem, Rgb(255, 255, 255));
}

} // namespace

Layer NavigationStrip(float scale)
{
    Layer l = Layer::Scaled(128, 32, scale);
    CalendarCell(l, 0);
    ClockCell(l, 32);
    GearCell(l, 64);
    InfoCell(l, 96);
    return l;
}

Layer MenuPicture(float scale)
{
    // A small program window: title bar, a stripe and a calendar mark.
    Layer l = Layer::Scaled(16, 16, scale);
    Color outline = Rgb(30, 40, 70);
    l.Paint(RoundRect(0, 1, 16, 15, 1), outline);
    l.Paint(Rect(1, 2, 15, 5), Vertical(Rgb(110, 160, 236), Rgb(40, 90, 190), 2, 5));
    l.Paint(Rect(1, 5, 15, 14), Rgb(250, 250, 252));
    l.Paint(Rect(1, 5, 4, 14), Rgb(196, 204, 220));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) {
            bool critical = row == 1 && col == 1;
            l.Paint(Rect(6 + col * 3, 7 + row * 3, 8 + col * 3, 9 + row * 3),
                    critical ? Rgb(226, 60, 110) : Rgb(150, 158, 176));
        }
    l.Paint(Rect(12, 2.5f, 14, 4.5f), Rgb(240, 240, 250));
    return l;
}

} // namespace picgen

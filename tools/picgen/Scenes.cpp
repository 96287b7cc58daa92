// The two pictures with a scene: where the notification icon is, and the
// About page's banner.
#include <cmath>

#include "Font.h"
#include "Icons.h"
#include "Pictures.h"

namespace picgen {

namespace {

void Text(Layer& l, const std::string& s, float x, float y, const TextStyle& st, Color c)
{
    Mask m(l);
    AddText(m, s, x, y, st);
    l.Paint(m, c);
}

// The program's window, small and flat as today's windows are: caption with
// its three buttons, stripe, list and a month calendar.
void MiniWindow(Layer& l, float x0, float y0, float x1, float y1)
{
    l.Paint(RoundRect(x0 + 2, y0 + 3, x1 + 2, y1 + 4, 5), Rgb(0, 0, 0, 0.28f)); // shadow
    l.Paint(RoundRect(x0, y0, x1, y1, 4), Rgb(150, 150, 156));
    l.Paint(RoundRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 3), Rgb(243, 243, 243));
    TextStyle caption{0.9f, 1.0f, 1.4f};
    Text(l, "Velindra", x0 + 8, y0 + 11, caption, Rgb(40, 40, 40));
    const Color glyph = Rgb(70, 70, 70);
    l.Paint(Capsule(x1 - 36, y0 + 8, x1 - 31, y0 + 8, 0.9f), glyph);
    Mask maximise(l);
    maximise.Add(Rect(x1 - 24, y0 + 5.5f, x1 - 19, y0 + 10.5f));
    maximise.Cut(Rect(x1 - 23.1f, y0 + 6.4f, x1 - 19.9f, y0 + 9.6f));
    l.Paint(maximise, glyph);
    l.Paint(Capsule(x1 - 10, y0 + 5.5f, x1 - 5, y0 + 10.5f, 0.9f), glyph);
    l.Paint(Capsule(x1 - 10, y0 + 10.5f, x1 - 5, y0 + 5.5f, 0.9f), glyph);
    // stripe and list
    l.Paint(Rect(x0 + 1, y0 + 15, x0 + 22, y1 - 1), Rgb(226, 226, 230));
    for (int i = 0; i < 3; ++i)
        l.Paint(RoundRect(x0 + 26, y0 + 21 + i * 22, x0 + 41, y0 + 36 + i * 22, 2),
                i == 0 ? Rgb(226, 60, 110) : Rgb(160, 168, 186));
    // the month grid
    const float gx = x0 + 50, gy = y0 + 22;
    l.Paint(Rect(gx - 3, gy - 4, x1 - 7, y1 - 20), Rgb(255, 255, 255));
    l.Paint(Rect(gx - 3, gy - 4, x1 - 7, gy + 3), Rgb(0, 103, 192));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 7; ++col) {
            const float cx = gx + col * 11.5f, cy = gy + 7 + row * 8.5f;
            const bool critical = row == 2 && col >= 2 && col <= 5;
            l.Paint(Rect(cx, cy, cx + 7.5f, cy + 5.5f),
                    critical ? Rgb(247, 201, 206) : Rgb(228, 230, 236));
        }
    for (int i = 0; i < 3; ++i)
        l.Paint(RoundRect(x1 - 80 + i * 24, y1 - 15, x1 - 60 + i * 24, y1 - 6, 2),
                Rgb(214, 214, 218));
}

// Foreign icons of the notification area, drawn in the taskbar's light grey.
void Speaker(Layer& l, float x, float y, Color c)
{
    l.Paint(Polygon({x, y - 3, x + 3, y - 3, x + 7, y - 7, x + 7, y + 7, x + 3, y + 3, x, y + 3}),
            c);
    Mask waves(l);
    waves.Add(Ring(x + 7, y, 5, 1.3f)).Add(Ring(x + 7, y, 9, 1.3f));
    waves.Keep(Polygon({x + 9, y, x + 19, y - 12, x + 19, y + 12}));
    l.Paint(waves, c);
}

void Cloud(Layer& l, float x, float y, Color c)
{
    Mask m(l);
    m.Add(Circle(x - 4, y + 1, 3.5f))
        .Add(Circle(x + 1, y - 1.5f, 5))
        .Add(Circle(x + 5.5f, y + 1.5f, 3));
    m.Add(Rect(x - 4, y + 1, x + 5.5f, y + 4.5f));
    l.Paint(m, c);
}

void Shield(Layer& l, float x, float y, Color c)
{
    l.Paint(Polygon({x - 6, y - 7, x, y - 9, x + 6, y - 7, x + 6, y - 1, x, y + 8, x - 6, y - 1}),
            c);
}

} // namespace

// Today's taskbar, drawn about twice its real size, with the notification
// area's overflow opened above its ^ button: Velindra's icon waits there, and
// an arrow shows it dragged onto the taskbar, where it stays in sight.
Layer QuickLaunchScene(float scale)
{
    Layer l = Layer::Scaled(240, 240, scale);
    // Desktop: a soft bloom of blues.
    l.Paint(Rect(0, 0, 240, 240), [](float x, float y) {
        const float t = std::fmin(1.0f, (x * 0.6f + y) / 300.0f);
        return Mix(Rgb(120, 170, 230), Rgb(20, 60, 150), t);
    });
    l.Paint(Ellipse(170, 120, 120, 60), Rgb(170, 210, 255, 0.35f));
    l.Paint(Ellipse(60, 190, 110, 40), Rgb(40, 90, 190, 0.45f));
    MiniWindow(l, 12, 12, 158, 124);

    // The taskbar: start, two programs; ^, the place dragged to, the speaker and the clock.
    const float top = 204, mid = 222;
    const Color light = Rgb(235, 235, 235);
    l.Paint(Rect(0, top, 240, 240), Rgb(32, 32, 36));
    l.Paint(Rect(0, top, 240, top + 1), Rgb(70, 70, 76));
    for (int i = 0; i < 4; ++i) { // the start button's four panes
        const float px = 12 + (i % 2) * 8.5f, py = mid - 8 + (i / 2) * 8.5f;
        l.Paint(Rect(px, py, px + 7.5f, py + 7.5f), Rgb(0, 120, 215));
    }
    l.Paint(RoundRect(38, mid - 7, 56, mid + 7, 2), Rgb(240, 190, 60)); // a folder
    l.Paint(RoundRect(38, mid - 9, 46, mid - 5, 1.5f), Rgb(240, 190, 60));
    l.Paint(Circle(72, mid, 8.5f), Rgb(30, 150, 220)); // a browser
    l.Paint(Ring(72, mid, 5, 2), Rgb(255, 255, 255, 0.85f));
    const float chevron = 118;
    l.Paint(RoundRect(chevron - 9, top + 4, chevron + 9, 239, 3), Rgb(255, 255, 255, 0.16f));
    l.Paint(Capsule(chevron - 4, mid + 2, chevron, mid - 2, 1.6f), light);
    l.Paint(Capsule(chevron, mid - 2, chevron + 4, mid + 2, 1.6f), light);
    const float slotX = 146; // where the icon lands
    Mask slot(l);
    slot.Add(RoundRect(slotX - 11, top + 5, slotX + 11, 238, 3));
    slot.Cut(RoundRect(slotX - 10, top + 6, slotX + 10, 237, 2.5f));
    l.Paint(slot, Rgb(255, 255, 255, 0.55f));
    l.Draw(ProgramIcon(l.Pixels(16), Tone::Grey), l.Pixels(slotX - 8), l.Pixels(mid - 8));
    Speaker(l, 168, mid, light);
    TextStyle clock{1.25f, 1.4f, 1.3f};
    Text(l, "12:00", 200, mid + 4.5f, clock, light);

    // The overflow, opened above ^, Velindra's icon in it.
    const float fx0 = 84, fy0 = 148, fx1 = 152, fy1 = 198;
    l.Paint(RoundRect(fx0 + 1, fy0 + 2, fx1 + 1, fy1 + 3, 6), Rgb(0, 0, 0, 0.35f));
    l.Paint(RoundRect(fx0, fy0, fx1, fy1, 6), Rgb(90, 90, 96));
    l.Paint(RoundRect(fx0 + 1, fy0 + 1, fx1 - 1, fy1 - 1, 5), Rgb(44, 44, 48));
    Cloud(l, 100, 162, light);
    Shield(l, 118, 164, light);
    l.Paint(Circle(100, 184, 6), Rgb(90, 200, 120));
    l.Paint(Circle(118, 184, 6), Rgb(220, 110, 60));
    l.Paint(RoundRect(126, 152, 148, 174, 3), Rgb(255, 255, 255, 0.22f));
    l.Draw(ProgramIcon(l.Pixels(20), Tone::Grey), l.Pixels(127), l.Pixels(153));

    // The arrow: from the icon in the overflow down onto the taskbar.
    const Color arrow = Rgb(236, 70, 40);
    Mask shaft(l);
    auto px = [](float t) { return 150 + 28 * std::sin(t * 3.0f) - 4 * t; };
    auto py = [](float t) { return 168 + 24 * t; };
    for (int i = 0; i < 20; ++i) {
        const float t0 = i / 20.0f, t1 = (i + 1) / 20.0f;
        shaft.Add(Capsule(px(t0), py(t0), px(t1), py(t1), 4));
    }
    Mask head(l);
    head.Add(Polygon({px(1) - 9, py(1) - 2, px(1) + 9, py(1) - 2, px(1), py(1) + 10}));
    Mask both = shaft;
    both.Add(head);
    Layer white = Layer::Scaled(240, 240, scale);
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (dx * dx + dy * dy <= 5) {
                Layer part = Layer::Scaled(240, 240, scale);
                part.Paint(both, Rgb(255, 255, 255));
                white.Draw(part, l.Pixels(float(dx)), l.Pixels(float(dy)));
            }
    l.Draw(white, 0, 0);
    l.Paint(both, arrow);
    return l;
}

Layer Banner(float scale)
{
    Layer l = Layer::Scaled(204, 67, scale);
    l.Paint(Rect(0, 0, 204, 67), [](float x, float y) {
        float t = std::fmin(1.0f, (x * 0.8f + y) / 190.0f);
        return Mix(Rgb(255, 246, 249), Rgb(250, 214, 226), t);
    });
    l.Paint(Ellipse(170, 84, 90, 34), Rgb(240, 170, 196, 0.45f));
    l.Paint(Ellipse(40, 90, 110, 36), Rgb(247, 201, 206, 0.5f));
    l.Paint(RoundRect(0.5f, 0.5f, 203.5f, 66.5f, 0), Rgb(0, 0, 0, 0));
    Layer icon = ProgramIcon(l.Pixels(48), Tone::Pink);
    l.Draw(icon, l.Pixels(8), l.Pixels(9));
    TextStyle word{3.2f, 3.3f, 1.5f};
    float x = 64;
    Text(l, "Velindra", x, 38, word, Rgb(96, 28, 62));
    TextStyle small{1.15f, 1.1f, 1.7f};
    Text(l, "critical days", x + 1, 56, small, Rgb(150, 80, 112));
    return l;
}

} // namespace picgen

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

// The program's window, small: caption, stripe, list and a month calendar.
void MiniWindow(Layer& l, float x0, float y0, float x1, float y1)
{
    l.Paint(RoundRect(x0 + 3, y0 + 4, x1 + 3, y1 + 4, 4), Rgb(0, 0, 0, 0.25f)); // shadow
    l.Paint(RoundRect(x0, y0, x1, y1, 4), Rgb(20, 50, 120));
    l.Paint(RoundRect(x0 + 1, y0 + 1, x1 - 1, y0 + 16, 3),
            Vertical(Rgb(90, 150, 240), Rgb(30, 80, 200), y0, y0 + 16));
    l.Paint(Rect(x0 + 1, y0 + 14, x1 - 1, y1 - 1), Rgb(236, 234, 228));
    TextStyle caption{0.9f, 1.1f, 1.4f};
    Text(l, "Velindra", x0 + 8, y0 + 11.5f, caption, Rgb(255, 255, 255));
    l.Paint(RoundRect(x1 - 14, y0 + 3, x1 - 3, y0 + 13, 2), Rgb(220, 80, 60));
    l.Paint(Capsule(x1 - 11, y0 + 6, x1 - 6, y0 + 10, 1.2f), Rgb(255, 255, 255));
    l.Paint(Capsule(x1 - 11, y0 + 10, x1 - 6, y0 + 6, 1.2f), Rgb(255, 255, 255));
    // stripe and list
    l.Paint(Rect(x0 + 1, y0 + 16, x0 + 22, y1 - 1), Rgb(214, 212, 206));
    for (int i = 0; i < 3; ++i)
        l.Paint(RoundRect(x0 + 26, y0 + 22 + i * 24, x0 + 42, y0 + 38 + i * 24, 2),
                i == 0 ? Rgb(226, 60, 110) : Rgb(150, 160, 180));
    // the month grid
    float gx = x0 + 52, gy = y0 + 24;
    l.Paint(Rect(gx - 3, gy - 4, x1 - 8, y1 - 22), Rgb(255, 255, 255));
    l.Paint(Rect(gx - 3, gy - 4, x1 - 8, gy + 4), Rgb(80, 120, 190));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 7; ++col) {
            float cx = gx + col * 12.5f, cy = gy + 9 + row * 9.5f;
            bool critical = (row == 2 && col >= 2 && col <= 5);
            l.Paint(Rect(cx, cy, cx + 8, cy + 6),
                    critical ? Rgb(247, 201, 206) : Rgb(226, 228, 234));
        }
    for (int i = 0; i < 3; ++i)
        l.Paint(RoundRect(x0 + 80 + i * 22, y1 - 16, x0 + 99 + i * 22, y1 - 6, 2),
                Rgb(212, 208, 200));
}

} // namespace

Layer QuickLaunchScene(float scale)
{
    Layer l = Layer::Scaled(240, 240, scale);
    // Desktop
    l.Paint(Rect(0, 0, 240, 240), [](float x, float y) {
        float t = (x + 1.4f * y) / 576.0f;
        return Mix(Rgb(92, 148, 214), Rgb(34, 84, 164), t);
    });
    l.Paint(Ellipse(70, 236, 210, 64), Vertical(Rgb(130, 196, 96), Rgb(60, 140, 50), 172, 236));
    l.Paint(Ellipse(230, 250, 120, 66), Vertical(Rgb(110, 180, 80), Rgb(50, 120, 40), 184, 236));
    MiniWindow(l, 12, 12, 176, 142);
    // Taskbar with the notification area, drawn about twice its real size.
    float top = 196;
    l.Paint(Rect(0, top, 240, 240), Vertical(Rgb(70, 120, 220), Rgb(24, 70, 176), top, 240));
    l.Paint(Rect(0, top, 240, top + 2), Rgb(130, 170, 240));
    l.Paint(RoundRect(-8, top + 2, 52, 240, 12),
            Vertical(Rgb(110, 190, 90), Rgb(50, 130, 40), top, 240));
    l.Paint(Rect(110, top + 2, 240, 240), Vertical(Rgb(40, 140, 230), Rgb(20, 100, 200), top, 240));
    l.Paint(Rect(110, top + 2, 111, 240), Rgb(16, 60, 140));
    l.Paint(Circle(138, top + 22, 21), [=](float x, float y) {
        float t = std::fmin(1.0f, std::hypot(x - 138, y - (top + 22)) / 21);
        return Rgb(255, 236, 120, 0.85f * (1 - t * t));
    });
    Layer icon = ProgramIcon(l.Pixels(32), Tone::Grey);
    l.Draw(icon, l.Pixels(122), l.Pixels(int(top) + 6));
    TextStyle start{1.6f, 2.0f, 1.3f};
    Text(l, "start", 9, top + 29, start, Rgb(255, 255, 255));
    // A second, foreign icon: a speaker.
    l.Paint(Polygon({162, 212, 167, 212, 173, 207, 173, 229, 167, 224, 162, 224}),
            Rgb(230, 236, 250));
    Mask waves(l);
    waves.Add(Ring(173, 218, 5, 1.4f)).Add(Ring(173, 218, 9, 1.4f));
    waves.Keep(Polygon({175, 218, 186, 204, 186, 232}));
    l.Paint(waves, Rgb(230, 236, 250));
    TextStyle clock{1.5f, 1.7f, 1.3f};
    Text(l, "12:00", 190, top + 26, clock, Rgb(255, 255, 255));
    // The arrow from the window to the icon.
    Color arrow = Rgb(236, 70, 40);
    Mask shaft(l);
    for (int i = 0; i < 24; ++i) {
        float t0 = i / 24.0f, t1 = (i + 1) / 24.0f;
        auto px = [](float t) { return 132 + 6 * t + 14 * std::sin(t * 3.1f); };
        auto py = [](float t) { return 148 + 36 * t; };
        shaft.Add(Capsule(px(t0), py(t0), px(t1), py(t1), 5));
    }
    Mask head(l);
    head.Add(Polygon({127, 178, 151, 178, 139, 198}));
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

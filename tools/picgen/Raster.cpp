#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace picgen {

Color Rgb(int r, int g, int b, float a)
{
    return Color{float(r), float(g), float(b), a};
}

Color Mix(const Color& x, const Color& y, float t)
{
    return Color{x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t,
                 x.a + (y.a - x.a) * t};
}

Shape Circle(float cx, float cy, float r)
{
    return {{cx - r, cy - r, cx + r, cy + r},
            [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; }};
}

Shape Ellipse(float cx, float cy, float rx, float ry)
{
    return {{cx - rx, cy - ry, cx + rx, cy + ry}, [=](float x, float y) {
                float u = (x - cx) / rx, v = (y - cy) / ry;
                return u * u + v * v <= 1.0f;
            }};
}

std::function<Color(float, float)> Vertical(Color top, Color bottom, float y0, float y1)
{
    return [=](float, float y) {
        float t = std::fmin(1.0f, std::fmax(0.0f, (y - y0) / (y1 - y0)));
        return Mix(top, bottom, t);
    };
}

Shape Rect(float x0, float y0, float x1, float y1)
{
    return RoundRect(x0, y0, x1, y1, 0);
}

Shape RoundRect(float x0, float y0, float x1, float y1, float radius)
{
    return {{x0, y0, x1, y1}, [=](float x, float y) {
                if (x < x0 || x > x1 || y < y0 || y > y1)
                    return false;
                float qx = std::max({x0 + radius - x, x - (x1 - radius), 0.0f});
                float qy = std::max({y0 + radius - y, y - (y1 - radius), 0.0f});
                return qx * qx + qy * qy <= radius * radius;
            }};
}

Shape Capsule(float ax, float ay, float bx, float by, float width)
{
    float r = width / 2;
    Box b{std::min(ax, bx) - r, std::min(ay, by) - r, std::max(ax, bx) + r, std::max(ay, by) + r};
    return {b, [=](float x, float y) {
                float dx = bx - ax, dy = by - ay;
                float len2 = dx * dx + dy * dy;
                float t = len2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / len2 : 0.0f;
                t = std::clamp(t, 0.0f, 1.0f);
                float ex = x - (ax + t * dx), ey = y - (ay + t * dy);
                return ex * ex + ey * ey <= r * r;
            }};
}

Shape Ring(float cx, float cy, float r, float width)
{
    float outer = r + width / 2, inner = r - width / 2;
    return {{cx - outer, cy - outer, cx + outer, cy + outer}, [=](float x, float y) {
                float d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                return d2 <= outer * outer && d2 >= inner * inner;
            }};
}

Shape Polygon(std::vector<float> xy)
{
    Box b{1e9f, 1e9f, -1e9f, -1e9f};
    for (size_t i = 0; i + 1 < xy.size(); i += 2) {
        b.x0 = std::min(b.x0, xy[i]);
        b.x1 = std::max(b.x1, xy[i]);
        b.y0 = std::min(b.y0, xy[i + 1]);
        b.y1 = std::max(b.y1, xy[i + 1]);
    }
    return {b, [xy](float x, float y) {
                bool in = false;
                size_t n = xy.size() / 2;
                for (size_t i = 0, j = n - 1; i < n; j = i++) {
                    float xi = xy[2 * i], yi = xy[2 * i + 1];
                    float xj = xy[2 * j], yj = xy[2 * j + 1];
                    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                        in = !in;
                }
                return in;
            }};
}

Shape Drop(float cx, float top, float bottom, float radius)
{
    // A circle at the bottom and the two tangents from the tip.
    float cy = bottom - radius;
    float h = cy - top;
    float sinA = radius / h; // half angle of the tip
    float cosA = std::sqrt(std::max(0.0f, 1 - sinA * sinA));
    return {{cx - radius, top, cx + radius, bottom}, [=](float x, float y) {
                float dx = x - cx, dy = y - cy;
                if (dx * dx + dy * dy <= radius * radius)
                    return true;
                if (y < top || y > cy)
                    return false;
                // Inside the cone from the tip, down to the tangent points.
                float ty = y - top;
                float half = std::fabs(dx);
                return half * cosA <= ty * sinA && ty <= h * cosA * cosA + 1e-3f;
            }};
}

Mask::Mask(int width, int height, float scale)
    : w_(width), h_(height), scale_(scale), bits_(size_t(width) * height * kSub * kSub, 0)
{
}

Mask::Mask(const Layer& layer) : Mask(layer.Width(), layer.Height(), layer.Scale()) {}

template <typename F> void Mask::Each(const Box& b, F f)
{
    int sw = w_ * kSub, sh = h_ * kSub;
    int x0 = std::max(0, int(std::floor(b.x0 * scale_ * kSub)) - 1);
    int y0 = std::max(0, int(std::floor(b.y0 * scale_ * kSub)) - 1);
    int x1 = std::min(sw - 1, int(std::ceil(b.x1 * scale_ * kSub)) + 1);
    int y1 = std::min(sh - 1, int(std::ceil(b.y1 * scale_ * kSub)) + 1);
    for (int sy = y0; sy <= y1; ++sy)
        for (int sx = x0; sx <= x1; ++sx)
            f(bits_[size_t(sy) * sw + sx], (sx + 0.5f) / kSub / scale_,
              (sy + 0.5f) / kSub / scale_);
}

Mask& Mask::Add(const Shape& s)
{
    Each(s.bounds, [&](uint8_t& bit, float x, float y) {
        if (!bit && s.inside(x, y))
            bit = 1;
    });
    return *this;
}

Mask& Mask::Cut(const Shape& s)
{
    Each(s.bounds, [&](uint8_t& bit, float x, float y) {
        if (bit && s.inside(x, y))
            bit = 0;
    });
    return *this;
}

Mask& Mask::Keep(const Shape& s)
{
    Each(Box{0, 0, w_ / scale_, h_ / scale_}, [&](uint8_t& bit, float x, float y) {
        if (bit && !s.inside(x, y))
            bit = 0;
    });
    return *this;
}

Mask& Mask::Add(const Mask& m)
{
    if (m.w_ == w_ && m.h_ == h_ && m.scale_ == scale_)
        for (size_t i = 0; i < bits_.size(); ++i)
            bits_[i] |= m.bits_[i];
    return *this;
}

float Mask::Coverage(int x, int y) const
{
    int sw = w_ * kSub, count = 0;
    for (int j = 0; j < kSub; ++j)
        for (int i = 0; i < kSub; ++i)
            count += bits_[size_t(y * kSub + j) * sw + x * kSub + i];
    return float(count) / (kSub * kSub);
}

Layer::Layer(int width, int height, Color fill) : w_(width), h_(height)
{
    Color p{fill.r * fill.a, fill.g * fill.a, fill.b * fill.a, fill.a};
    px_.assign(size_t(width) * height, p);
}

Layer Layer::Scaled(int designWidth, int designHeight, float scale)
{
    Layer l(int(std::lround(designWidth * scale)), int(std::lround(designHeight * scale)));
    l.scale_ = scale;
    return l;
}

int Layer::Pixels(float units) const
{
    return int(std::lround(units * scale_));
}

void Layer::Paint(const Mask& m, const Color& c)
{
    Paint(m, [&](float, float) { return c; });
}

void Layer::Paint(const Mask& m, const std::function<Color(float, float)>& paint)
{
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            float cov = m.Coverage(x, y);
            if (cov <= 0)
                continue;
            Color c = paint((x + 0.5f) / scale_, (y + 0.5f) / scale_);
            float a = c.a * cov;
            Color& d = px_[size_t(y) * w_ + x];
            d = Color{c.r * a + d.r * (1 - a), c.g * a + d.g * (1 - a), c.b * a + d.b * (1 - a),
                      a + d.a * (1 - a)};
        }
}

void Layer::Paint(const Shape& s, const Color& c)
{
    Mask m(*this);
    m.Add(s);
    Paint(m, c);
}

void Layer::Paint(const Shape& s, const std::function<Color(float, float)>& paint)
{
    Mask m(*this);
    m.Add(s);
    Paint(m, paint);
}

void Layer::Draw(const Layer& top, int dx, int dy)
{
    for (int y = 0; y < top.h_; ++y)
        for (int x = 0; x < top.w_; ++x) {
            int tx = x + dx, ty = y + dy;
            if (tx < 0 || ty < 0 || tx >= w_ || ty >= h_)
                continue;
            const Color& s = top.px_[size_t(y) * top.w_ + x];
            Color& d = px_[size_t(ty) * w_ + tx];
            d = Color{s.r + d.r * (1 - s.a), s.g + d.g * (1 - s.a), s.b + d.b * (1 - s.a),
                      s.a + d.a * (1 - s.a)};
        }
}

Color Layer::At(int x, int y) const
{
    return px_[size_t(y) * w_ + x];
}

Color Layer::Straight(int x, int y) const
{
    Color c = At(x, y);
    if (c.a <= 0)
        return Color{0, 0, 0, 0};
    return Color{c.r / c.a, c.g / c.a, c.b / c.a, c.a};
}

void Layer::Set(int x, int y, const Color& premultiplied)
{
    px_[size_t(y) * w_ + x] = premultiplied;
}

} // namespace picgen

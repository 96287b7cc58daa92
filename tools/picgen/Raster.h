#pragma once
// A small anti-aliased rasteriser: shapes are inside-tests with a bounding box,
// collected in a supersampled mask, then painted onto an RGBA layer.
#include <cstdint>
#include <functional>
#include <vector>

namespace picgen {

struct Color {
    float r = 0, g = 0, b = 0, a = 1; // 0..255 for r, g, b; 0..1 for alpha
};

Color Rgb(int r, int g, int b, float a = 1.0f);
Color Mix(const Color& x, const Color& y, float t); // t = 0 gives x
// A vertical gradient from top (at y0) to bottom (at y1), as a paint function.
std::function<Color(float, float)> Vertical(Color top, Color bottom, float y0, float y1);

struct Box {
    float x0, y0, x1, y1;
};

struct Shape {
    Box bounds;
    std::function<bool(float x, float y)> inside;
};

Shape Circle(float cx, float cy, float r);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape RoundRect(float x0, float y0, float x1, float y1, float radius);
Shape Rect(float x0, float y0, float x1, float y1);
Shape Capsule(float ax, float ay, float bx, float by, float width);
Shape Ring(float cx, float cy, float r, float width);
Shape Polygon(std::vector<float> xy);                        // x0, y0, x1, y1, ... (even-odd rule)
Shape Drop(float cx, float top, float bottom, float radius); // tip at top

class Layer;

// Coverage of shapes at 4 x 4 samples per pixel. Shapes are given in design
// units; a mask of scale s has s pixels per unit (1 at 100 %, 2 at 200 %).
class Mask {
public:
    static constexpr int kSub = 4;
    Mask(int width, int height, float scale = 1.0f); // width and height in pixels
    explicit Mask(const Layer& layer);               // the layer's size and scale
    Mask& Add(const Shape& s);
    Mask& Cut(const Shape& s);
    Mask& Keep(const Shape& s); // intersection
    Mask& Add(const Mask& m);
    float Coverage(int x, int y) const;
    int Width() const { return w_; }
    int Height() const { return h_; }

private:
    template <typename F> void Each(const Box& b, F f);
    int w_, h_;
    float scale_;
    std::vector<uint8_t> bits_;
};

// Premultiplied RGBA pixels. A layer drawn at a scale takes every position in
// design units and has the design size times the scale in pixels; paint
// functions get design units too.
class Layer {
public:
    Layer(int width, int height, Color fill = Color{0, 0, 0, 0});
    static Layer Scaled(int designWidth, int designHeight, float scale);
    void Paint(const Mask& m, const Color& c);
    void Paint(const Mask& m, const std::function<Color(float x, float y)>& paint);
    void Paint(const Shape& s, const Color& c);
    void Paint(const Shape& s, const std::function<Color(float x, float y)>& paint);
    void Draw(const Layer& top, int dx, int dy); // composite another layer over this one
    Color At(int x, int y) const;                // premultiplied
    Color Straight(int x, int y) const;          // un-premultiplied
    void Set(int x, int y, const Color& premultiplied);
    int Width() const { return w_; }
    int Height() const { return h_; }
    float Scale() const { return scale_; }
    // A length in design units, in whole pixels at this layer's scale.
    int Pixels(float units) const;

private:
    int w_, h_;
    float scale_ = 1.0f;
    std::vector<Color> px_;
};

} // namespace picgen

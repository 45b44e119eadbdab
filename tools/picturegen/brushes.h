#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include <cstdint>

// The marks the paintings share. Most scatter small things over an area, so
// that a stretch of sky, shadow or grass differs from piece to piece. Each
// leaves the painter's pen and brush as it found them.
namespace brushes {

// A small fixed-seed generator: the same pictures at every build.
class Noise {
public:
    explicit Noise(std::uint32_t seed)
        : state_(seed)
    {
    }
    double Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1u << 24);
    }
    double Between(double low, double high) { return low + (high - low) * Next(); }
    QPointF In(const QRectF& area) { return {Between(area.left(), area.right()), Between(area.top(), area.bottom())}; }

private:
    std::uint32_t state_;
};

void Sky(QPainter& p, const QColor& top, const QColor& bottom, int horizon);
// A wavy ridge across the whole picture, filled down to its bottom.
void Hill(QPainter& p, const QColor& colour, double baseY, double height, double phase);
void Tree(QPainter& p, double x, double baseY, double height, const QColor& leaves);

// Short strokes of nearby colours, `spread` apart in value, for a brushed look.
void Strokes(QPainter& p, const QRectF& area, const QColor& colour, int count, int spread, Noise& noise);
// Stars, fireflies, flowers: round dots of a size between the two radii.
void Dots(
    QPainter& p, const QRectF& area, int count, const QColor& colour, double smallest, double largest, Noise& noise);
// Birds in flight, each a small "m" of two arcs.
void Birds(QPainter& p, const QRectF& area, int count, const QColor& colour, Noise& noise);
// A cloud of overlapping puffs with a flat underside.
void Cloud(QPainter& p, const QPointF& centre, double width, const QColor& colour, Noise& noise);
// A round glow: `core` at the centre, `rim` halfway out, fading to nothing at `radius`.
void Glow(QPainter& p, const QPointF& centre, double radius, const QColor& core, const QColor& rim);
// Light fanning upwards from a point: `count` lit wedges with unlit ones between.
void Rays(QPainter& p, const QPointF& source, int count, const QColor& colour);
// Blades of grass standing on the bottom of the area, as tall as its height at most.
void Grass(QPainter& p, const QRectF& area, int count, const QColor& colour, Noise& noise);

} // namespace brushes

#include "brushes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace brushes {

void Sky(QPainter& p, const QColor& top, const QColor& bottom, int horizon)
{
    QLinearGradient gradient(0, 0, 0, horizon);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(0, 0, p.device()->width(), horizon, gradient);
}

void Hill(QPainter& p, const QColor& colour, double baseY, double height, double phase)
{
    const int width = p.device()->width();
    QPainterPath path(QPointF(0, p.device()->height()));
    for (int x = 0; x <= width; x += 4)
        path.lineTo(x, baseY - height * (0.6 + 0.4 * qSin(x / 22.0 + phase)) * (0.7 + 0.3 * qSin(x / 9.0 + phase * 2)));
    path.lineTo(width, p.device()->height());
    path.closeSubpath();
    p.fillPath(path, colour);
}

void Tree(QPainter& p, double x, double baseY, double height, const QColor& leaves)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 35));
    p.drawRect(QRectF(x - 1.5, baseY - height * 0.4, 3, height * 0.4));
    p.setBrush(leaves);
    p.drawEllipse(QPointF(x, baseY - height * 0.6), height * 0.28, height * 0.35);
    p.setBrush(leaves.lighter(125));
    p.drawEllipse(QPointF(x - height * 0.08, baseY - height * 0.7), height * 0.14, height * 0.16);
    p.restore();
}

void Strokes(QPainter& p, const QRectF& area, const QColor& colour, int count, int spread, Noise& noise)
{
    p.save();
    for (int i = 0; i < count; ++i) {
        QColor c = colour;
        c.setHsv(c.hue(), qBound(0, c.saturation() + int(noise.Between(-30, 30)), 255),
            qBound(0, c.value() + int(noise.Between(-spread, spread)), 255));
        p.setPen(QPen(c, noise.Between(1.5, 3.5), Qt::SolidLine, Qt::RoundCap));
        const QPointF start = noise.In(area);
        p.drawLine(start, start + QPointF(noise.Between(3, 8), noise.Between(-2, 2)));
    }
    p.restore();
}

void Dots(
    QPainter& p, const QRectF& area, int count, const QColor& colour, double smallest, double largest, Noise& noise)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        const double radius = noise.Between(smallest, largest);
        p.drawEllipse(noise.In(area), radius, radius);
    }
    p.restore();
}

void Birds(QPainter& p, const QRectF& area, int count, const QColor& colour, Noise& noise)
{
    p.save();
    p.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const QPointF at = noise.In(area);
        const double span = noise.Between(2.5, 4.5);
        QPainterPath bird(at - QPointF(span, 0));
        bird.quadTo(at + QPointF(-span / 2, -span / 2), at);
        bird.quadTo(at + QPointF(span / 2, -span / 2), at + QPointF(span, 0));
        p.drawPath(bird);
    }
    p.restore();
}

void Cloud(QPainter& p, const QPointF& centre, double width, const QColor& colour, Noise& noise)
{
    p.save();
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    const double base = width / 5;
    cloud.addRoundedRect(QRectF(centre.x() - width / 2, centre.y() - base, width, base), base / 2, base / 2);
    for (int i = 0; i < 4; ++i) {
        const double r = width * noise.Between(0.12, 0.2) * (i == 1 || i == 2 ? 1.3 : 1);
        cloud.addEllipse(QPointF(centre.x() - width * 0.3 + i * width * 0.2, centre.y() - base), r, r);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(cloud);
    p.restore();
}

void Glow(QPainter& p, const QPointF& centre, double radius, const QColor& core, const QColor& rim)
{
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0, core);
    glow.setColorAt(0.5, rim);
    glow.setColorAt(1, QColor(rim.red(), rim.green(), rim.blue(), 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void Rays(QPainter& p, const QPointF& source, int count, const QColor& colour)
{
    p.save();
    const double reach = 2.0 * p.device()->width();
    const double step = M_PI / count;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        const double angle = M_PI + step * (i + 0.25);
        QPainterPath wedge(source);
        wedge.lineTo(source + reach * QPointF(qCos(angle), qSin(angle)));
        wedge.lineTo(source + reach * QPointF(qCos(angle + step / 2), qSin(angle + step / 2)));
        wedge.closeSubpath();
        p.drawPath(wedge);
    }
    p.restore();
}

void Grass(QPainter& p, const QRectF& area, int count, const QColor& colour, Noise& noise)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        p.setPen(QPen(colour, noise.Between(0.6, 1.4), Qt::SolidLine, Qt::RoundCap));
        const QPointF root(noise.Between(area.left(), area.right()), area.bottom());
        const double height = noise.Between(0.3, 1) * area.height();
        QPainterPath blade(root);
        blade.quadTo(root + QPointF(0, -height / 2), root + QPointF(noise.Between(-3, 3), -height));
        p.drawPath(blade);
    }
    p.restore();
}

} // namespace brushes

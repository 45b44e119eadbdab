#include "paintings.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdint>

namespace paintings {

namespace {

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

private:
    std::uint32_t state_;
};

QImage canvas()
{
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void sky(QPainter& p, const QColor& top, const QColor& bottom, int horizon)
{
    QLinearGradient gradient(0, 0, 0, horizon);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(0, 0, Size, horizon, gradient);
}

void hill(QPainter& p, const QColor& colour, double baseY, double height, double phase)
{
    QPainterPath path(QPointF(0, Size));
    for (int x = 0; x <= Size; x += 4)
        path.lineTo(x, baseY - height * (0.6 + 0.4 * qSin(x / 22.0 + phase)) * (0.7 + 0.3 * qSin(x / 9.0 + phase * 2)));
    path.lineTo(Size, Size);
    path.closeSubpath();
    p.fillPath(path, colour);
}

// Short strokes of nearby colours give the surface a brushed look.
void brushStrokes(QPainter& p, const QRectF& area, const QColor& colour, int count, Noise& noise)
{
    for (int i = 0; i < count; ++i) {
        QColor c = colour;
        c.setHsv(c.hue(), qBound(0, c.saturation() + int(noise.Between(-30, 30)), 255),
            qBound(0, c.value() + int(noise.Between(-35, 35)), 255));
        p.setPen(QPen(c, noise.Between(1.5, 3.5), Qt::SolidLine, Qt::RoundCap));
        const QPointF start(area.left() + noise.Next() * area.width(), area.top() + noise.Next() * area.height());
        p.drawLine(start, start + QPointF(noise.Between(3, 8), noise.Between(-2, 2)));
    }
}

void tree(QPainter& p, double x, double baseY, double height, const QColor& leaves)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 35));
    p.drawRect(QRectF(x - 1.5, baseY - height * 0.4, 3, height * 0.4));
    p.setBrush(leaves);
    p.drawEllipse(QPointF(x, baseY - height * 0.6), height * 0.28, height * 0.35);
    p.setBrush(leaves.lighter(125));
    p.drawEllipse(QPointF(x - height * 0.08, baseY - height * 0.7), height * 0.14, height * 0.16);
}

} // namespace

QImage NumberedTiles()
{
    QImage image = canvas();
    image.fill(QColor(192, 192, 192));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    for (int k = 1; k <= 15; ++k) {
        const QRect cell(32 * ((k - 1) % 4), 32 * ((k - 1) / 4), 32, 32);
        QLinearGradient face(cell.topLeft(), cell.bottomRight());
        face.setColorAt(0, QColor(40, 90, 220));
        face.setColorAt(1, QColor(10, 35, 140));
        p.fillRect(cell, face);
        p.setPen(QPen(QColor(150, 190, 255), 2));
        p.drawLine(cell.topLeft() + QPoint(1, 1), cell.topRight() + QPoint(-1, 1));
        p.drawLine(cell.topLeft() + QPoint(1, 1), cell.bottomLeft() + QPoint(1, -1));
        p.setPen(QPen(QColor(5, 15, 70), 2));
        p.drawLine(cell.bottomLeft() + QPoint(1, 0), cell.bottomRight() + QPoint(0, 0));
        p.drawLine(cell.topRight() + QPoint(0, 1), cell.bottomRight());
        p.setPen(Qt::white);
        p.drawText(cell, Qt::AlignCenter, QString::number(k));
    }
    return image;
}

QImage Landscape()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Noise noise(17);
    sky(p, QColor(70, 130, 210), QColor(225, 200, 150), 70);
    brushStrokes(p, QRectF(0, 0, Size, 65), QColor(120, 165, 220), 260, noise);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 190));
    p.drawEllipse(QPointF(96, 26), 10, 10);
    hill(p, QColor(95, 110, 150), 62, 22, 0.5);
    hill(p, QColor(70, 120, 70), 76, 16, 2.1);
    p.fillRect(QRectF(0, 80, Size, 20), QColor(60, 110, 170));
    brushStrokes(p, QRectF(0, 80, Size, 20), QColor(90, 140, 200), 160, noise);
    QPainterPath meadow(QPointF(0, 96));
    meadow.cubicTo(40, 88, 80, 102, 128, 92);
    meadow.lineTo(128, 128);
    meadow.lineTo(0, 128);
    p.fillPath(meadow, QColor(80, 140, 50));
    brushStrokes(p, QRectF(0, 96, Size, 32), QColor(95, 155, 55), 300, noise);
    for (int i = 0; i < 5; ++i)
        tree(p, 12 + i * 9 + noise.Between(-2, 2), 98, noise.Between(22, 32), QColor(40, 95, 40));
    tree(p, 108, 104, 36, QColor(55, 110, 35));
    return image;
}

QImage Savanna()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient dusk(0, 0, 0, 100);
    dusk.setColorAt(0, QColor(90, 30, 80));
    dusk.setColorAt(0.45, QColor(230, 90, 40));
    dusk.setColorAt(1, QColor(255, 200, 80));
    p.fillRect(0, 0, Size, 100, dusk);
    QRadialGradient sun(QPointF(64, 92), 34);
    sun.setColorAt(0, QColor(255, 245, 180));
    sun.setColorAt(0.5, QColor(255, 190, 70));
    sun.setColorAt(1, QColor(255, 150, 50, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(64, 92), 34, 34);
    p.fillRect(0, 96, Size, 32, QColor(60, 30, 20));
    const QColor shadow(25, 12, 10);
    p.setBrush(shadow);
    // The rock, with the lion standing on it.
    QPainterPath rock(QPointF(0, 128));
    rock.lineTo(0, 88);
    rock.cubicTo(18, 80, 40, 78, 56, 84);
    rock.lineTo(62, 128);
    p.drawPath(rock);
    QPainterPath lion;
    lion.moveTo(14, 80);
    lion.lineTo(14, 70);
    lion.cubicTo(16, 64, 30, 63, 38, 64);
    lion.lineTo(40, 58);
    lion.cubicTo(44, 50, 54, 52, 55, 58);
    lion.cubicTo(58, 60, 57, 64, 53, 66);
    lion.lineTo(48, 68);
    lion.lineTo(46, 80);
    lion.lineTo(43, 80);
    lion.lineTo(42, 71);
    lion.lineTo(22, 71);
    lion.lineTo(20, 80);
    lion.lineTo(17, 80);
    lion.closeSubpath();
    p.drawPath(lion);
    p.drawEllipse(QPointF(44, 60), 8, 9); // the mane
    p.setPen(QPen(shadow, 1.5));
    p.drawLine(QPointF(14, 68), QPointF(8, 76));
    // An acacia on the right.
    p.setPen(QPen(shadow, 2.5));
    p.drawLine(QPointF(104, 104), QPointF(102, 74));
    p.drawLine(QPointF(102, 80), QPointF(92, 70));
    p.drawLine(QPointF(102, 78), QPointF(114, 68));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(80, 60, 48, 12));
    p.fillRect(QRectF(62, 102, 66, 26), shadow);
    return image;
}

QImage Palace()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, QColor(40, 40, 110), QColor(240, 150, 130), 88);
    p.setPen(Qt::NoPen);
    const QColor marble(245, 240, 235);
    const QColor shade(200, 190, 200);
    p.fillRect(QRectF(0, 84, Size, 6), QColor(70, 90, 60));
    // Main hall with its arch.
    p.setBrush(marble);
    p.drawRect(QRectF(36, 52, 56, 34));
    p.setBrush(shade);
    QPainterPath arch(QPointF(56, 86));
    arch.lineTo(56, 66);
    arch.quadTo(64, 56, 72, 66);
    arch.lineTo(72, 86);
    p.drawPath(arch);
    // The onion dome with its spire.
    QPainterPath dome(QPointF(44, 52));
    dome.cubicTo(40, 34, 56, 26, 64, 14);
    dome.cubicTo(72, 26, 88, 34, 84, 52);
    dome.closeSubpath();
    QLinearGradient domeLight(44, 0, 84, 0);
    domeLight.setColorAt(0, marble);
    domeLight.setColorAt(1, shade);
    p.setBrush(domeLight);
    p.drawPath(dome);
    p.setPen(QPen(QColor(220, 190, 120), 1.5));
    p.drawLine(QPointF(64, 14), QPointF(64, 6));
    p.setPen(Qt::NoPen);
    // Small domes and minarets.
    for (double x : {40.0, 88.0}) {
        p.setBrush(marble);
        p.drawEllipse(QPointF(x, 50), 7, 7);
    }
    for (double x : {18.0, 110.0}) {
        p.setBrush(marble);
        p.drawRect(QRectF(x - 3, 36, 6, 50));
        p.drawEllipse(QPointF(x, 34), 4.5, 4.5);
        p.setBrush(shade);
        p.drawRect(QRectF(x - 4, 50, 8, 2));
        p.drawRect(QRectF(x - 4, 66, 8, 2));
    }
    // The reflecting pool mirrors the palace in the dusk.
    p.fillRect(QRectF(0, 90, Size, 38), QColor(60, 60, 110));
    const QImage upper = image.copy(0, 52, Size, 38).mirrored(false, true);
    p.setOpacity(0.45);
    p.drawImage(QPointF(0, 90), upper);
    p.setOpacity(1);
    p.fillRect(QRectF(0, 90, 44, 38), QColor(60, 100, 60));
    p.fillRect(QRectF(84, 90, 44, 38), QColor(60, 100, 60));
    return image;
}

QImage Castle()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, QColor(110, 170, 235), QColor(215, 235, 250), 128);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QRectF(10, 14, 30, 10));
    p.drawEllipse(QRectF(22, 10, 22, 10));
    p.drawEllipse(QRectF(84, 24, 30, 9));
    QPainterPath hillPath(QPointF(0, 128));
    hillPath.cubicTo(10, 80, 40, 68, 64, 70);
    hillPath.cubicTo(90, 70, 118, 84, 128, 100);
    hillPath.lineTo(128, 128);
    p.fillPath(hillPath, QColor(70, 140, 60));
    p.fillPath(QPainterPath(hillPath).translated(0, 14), QColor(50, 115, 45));
    const QColor stone(160, 155, 150);
    const QColor dark(110, 105, 105);
    p.setBrush(stone);
    p.drawRect(QRectF(40, 48, 48, 26));
    for (double x : {34.0, 84.0}) {
        p.setBrush(stone);
        p.drawRect(QRectF(x, 34, 10, 40));
        p.setBrush(QColor(170, 40, 40));
        QPolygonF roof({QPointF(x - 2, 34), QPointF(x + 5, 18), QPointF(x + 12, 34)});
        p.drawPolygon(roof);
    }
    p.setBrush(stone);
    p.drawRect(QRectF(58, 26, 12, 24));
    p.setBrush(QColor(170, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(56, 26), QPointF(64, 8), QPointF(72, 26)}));
    p.setBrush(stone);
    for (int x = 40; x < 88; x += 8)
        p.drawRect(QRectF(x, 44, 5, 5));
    p.setBrush(dark);
    QPainterPath gate(QPointF(58, 74));
    gate.lineTo(58, 64);
    gate.quadTo(64, 56, 70, 64);
    gate.lineTo(70, 74);
    p.drawPath(gate);
    for (double x : {38.0, 88.0, 62.0})
        p.drawRect(QRectF(x, 40, 3, 5));
    p.setPen(QPen(QColor(200, 180, 120), 2));
    QPainterPath road(QPointF(64, 74));
    road.cubicTo(60, 90, 76, 100, 60, 128);
    p.setBrush(Qt::NoBrush);
    p.drawPath(road);
    return image;
}

QImage Forest()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Noise noise(5);
    sky(p, QColor(20, 30, 70), QColor(60, 120, 110), 128);
    p.setPen(Qt::NoPen);
    // Trunks behind and in front, darker the nearer they stand.
    for (int layer = 0; layer < 3; ++layer) {
        const QColor trunk = QColor(40, 70, 60).darker(100 + 45 * layer);
        for (int i = 0; i < 5; ++i) {
            const double x = noise.Between(0, Size);
            const double width = 4 + 4 * layer + noise.Between(0, 3);
            p.setBrush(trunk);
            p.drawRect(QRectF(x, 0, width, Size));
            p.setBrush(QColor(30, 90, 60).darker(100 + 40 * layer));
            p.drawEllipse(QPointF(x + width / 2, noise.Between(5, 30)), 14 + 4 * layer, 10 + 3 * layer);
        }
    }
    QLinearGradient mist(0, 78, 0, 110);
    mist.setColorAt(0, QColor(180, 220, 230, 0));
    mist.setColorAt(0.6, QColor(180, 220, 230, 120));
    mist.setColorAt(1, QColor(180, 220, 230, 30));
    p.fillRect(0, 78, Size, 32, mist);
    p.fillRect(QRectF(0, 106, Size, 22), QColor(25, 50, 35));
    // Glowing mushrooms.
    const QColor caps[] = {QColor(250, 90, 200), QColor(90, 230, 255), QColor(255, 210, 90)};
    for (int i = 0; i < 9; ++i) {
        const double x = 8 + i * 14 + noise.Between(-3, 3);
        const double y = 110 + noise.Between(0, 12);
        const double r = noise.Between(3, 6);
        const QColor cap = caps[i % 3];
        QRadialGradient glow(QPointF(x, y - r), r * 3);
        glow.setColorAt(0, QColor(cap.red(), cap.green(), cap.blue(), 140));
        glow.setColorAt(1, QColor(cap.red(), cap.green(), cap.blue(), 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(x, y - r), r * 3, r * 3);
        p.setBrush(QColor(230, 230, 210));
        p.drawRect(QRectF(x - r * 0.25, y - r, r * 0.5, r + 2));
        p.setBrush(cap);
        p.drawChord(QRectF(x - r, y - r * 1.8, 2 * r, 2 * r), 0, 180 * 16);
    }
    for (int i = 0; i < 25; ++i) {
        p.setBrush(QColor(220, 255, 180, int(noise.Between(120, 230))));
        p.drawEllipse(QPointF(noise.Between(0, Size), noise.Between(30, 100)), 0.9, 0.9);
    }
    return image;
}

} // namespace paintings

#include "paintings.h"

#include "brushes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace paintings {

namespace {

using brushes::Noise;

QImage canvas()
{
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// A rock on the left whose ledge and cracks catch the last light.
void rock(QPainter& p, const QColor& shadow, Noise& noise)
{
    QPainterPath ledge(QPointF(0, 88));
    ledge.cubicTo(18, 80, 40, 78, 56, 84);
    QPainterPath rock(ledge);
    rock.lineTo(62, 128);
    rock.lineTo(0, 128);
    p.fillPath(rock, shadow);
    p.save();
    p.setClipPath(rock);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(105, 48, 28), 1));
    for (int i = 0; i < 10; ++i) {
        QPointF at = noise.In(QRectF(0, 88, 56, 38));
        QPainterPath crack(at);
        for (int step = 0; step < 3; ++step)
            crack.lineTo(at += QPointF(noise.Between(2, 6), noise.Between(-1, 4)));
        p.drawPath(crack);
    }
    p.setPen(QPen(QColor(230, 120, 50), 1.5));
    p.drawPath(ledge);
    p.restore();
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
    font.setPixelSize(17);
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
    brushes::Sky(p, QColor(70, 130, 210), QColor(225, 200, 150), 70);
    brushes::Strokes(p, QRectF(0, 0, Size, 65), QColor(120, 165, 220), 260, 35, noise);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 190));
    p.drawEllipse(QPointF(96, 26), 10, 10);
    brushes::Birds(p, QRectF(14, 10, 56, 26), 5, QColor(45, 55, 90), noise);
    brushes::Hill(p, QColor(95, 110, 150), 62, 22, 0.5);
    brushes::Hill(p, QColor(70, 120, 70), 76, 16, 2.1);
    p.fillRect(QRectF(0, 80, Size, 20), QColor(60, 110, 170));
    brushes::Strokes(p, QRectF(0, 80, Size, 20), QColor(90, 140, 200), 160, 35, noise);
    // The meadow darkens towards the front, where its flowers grow larger.
    QPainterPath meadow(QPointF(0, 96));
    meadow.cubicTo(40, 88, 80, 102, 128, 92);
    meadow.lineTo(128, 128);
    meadow.lineTo(0, 128);
    QLinearGradient light(0, 90, 0, Size);
    light.setColorAt(0, QColor(110, 170, 60));
    light.setColorAt(1, QColor(45, 100, 35));
    p.fillPath(meadow, light);
    brushes::Strokes(p, QRectF(0, 96, Size, 32), QColor(95, 155, 55), 300, 60, noise);
    for (const QColor& flower : {QColor(225, 50, 45), QColor(250, 220, 60), QColor(245, 245, 235)}) {
        brushes::Dots(p, QRectF(0, 100, Size, 12), 8, flower, 0.6, 1.0, noise);
        brushes::Dots(p, QRectF(0, 112, Size, 16), 10, flower, 1.0, 1.8, noise);
    }
    for (int i = 0; i < 5; ++i)
        brushes::Tree(p, 12 + i * 9 + noise.Between(-2, 2), 98, noise.Between(22, 32), QColor(40, 95, 40));
    brushes::Tree(p, 108, 104, 36, QColor(55, 110, 35));
    return image;
}

QImage Savanna()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Noise noise(3);
    QLinearGradient dusk(0, 0, 0, 100);
    dusk.setColorAt(0, QColor(90, 30, 80));
    dusk.setColorAt(0.45, QColor(230, 90, 40));
    dusk.setColorAt(1, QColor(255, 200, 80));
    p.fillRect(0, 0, Size, 100, dusk);
    brushes::Rays(p, QPointF(64, 96), 16, QColor(255, 225, 150, 50));
    // Thin clouds lit from below, pinker the higher they float.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const QPointF at = noise.In(QRectF(-16, 4, Size + 8, 44));
        p.setBrush(QColor(250, 120 + 2 * int(at.y()), 130, 210));
        const double length = noise.Between(14, 30);
        p.drawEllipse(at, length / 2, noise.Between(1, 1.8));
        p.drawEllipse(at + QPointF(noise.Between(-6, 6), 2), length / 3, 1);
    }
    brushes::Birds(p, QRectF(74, 24, 44, 20), 6, QColor(50, 15, 35), noise);
    brushes::Glow(p, QPointF(64, 92), 34, QColor(255, 245, 180), QColor(255, 190, 70));
    // The plain, lit at the horizon, and a water hole that mirrors the sky.
    QLinearGradient plain(0, 96, 0, Size);
    plain.setColorAt(0, QColor(150, 75, 30));
    plain.setColorAt(1, QColor(45, 20, 12));
    p.fillRect(0, 96, Size, 32, plain);
    QLinearGradient mirror(0, 108, 0, 114);
    mirror.setColorAt(0, QColor(255, 215, 120));
    mirror.setColorAt(1, QColor(210, 95, 55));
    p.setBrush(QColor(70, 32, 18));
    p.drawEllipse(QRectF(56, 107, 50, 9));
    p.setBrush(mirror);
    p.drawEllipse(QRectF(58, 107.5, 46, 6));
    const QColor shadow(25, 12, 10);
    brushes::Grass(p, QRectF(0, 116, Size, 12), 110, shadow, noise);
    rock(p, shadow, noise);
    // The lion stands on the rock.
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
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
    return image;
}

QImage Palace()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Noise noise(29);
    brushes::Sky(p, QColor(40, 40, 110), QColor(240, 150, 130), 88);
    // The first stars and a young moon; birds fly home over the garden.
    brushes::Dots(p, QRectF(0, 0, Size, 44), 36, QColor(255, 250, 220), 0.5, 1.0, noise);
    QPainterPath moon;
    moon.addEllipse(QPointF(20, 16), 7, 7);
    QPainterPath bite;
    bite.addEllipse(QPointF(23, 14), 6.5, 6.5);
    p.fillPath(moon.subtracted(bite), QColor(255, 245, 200));
    brushes::Birds(p, QRectF(90, 22, 30, 18), 4, QColor(30, 25, 60), noise);
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
    // The garden: lawns with flower beds, a marble rim and cypresses along the pool.
    const QColor lawn(60, 100, 60);
    p.fillRect(QRectF(0, 90, 44, 38), lawn);
    p.fillRect(QRectF(84, 90, 44, 38), lawn);
    brushes::Dots(p, QRectF(0, 92, 40, 36), 14, QColor(230, 90, 110), 0.8, 1.5, noise);
    brushes::Dots(p, QRectF(88, 92, 40, 36), 14, QColor(230, 90, 110), 0.8, 1.5, noise);
    p.fillRect(QRectF(42, 90, 2, 38), shade);
    p.fillRect(QRectF(84, 90, 2, 38), shade);
    p.setBrush(QColor(25, 60, 35));
    for (int row = 0; row < 3; ++row) {
        const double y = 96 + row * (12 + 2 * row);
        const double h = 8 + 4 * row;
        for (double x : {38.0 - 2 * row, 90.0 + 2 * row})
            p.drawPolygon(QPolygonF({QPointF(x, y - h), QPointF(x + h / 4, y), QPointF(x - h / 4, y)}));
    }
    return image;
}

QImage Castle()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Noise noise(41);
    brushes::Sky(p, QColor(110, 170, 235), QColor(215, 235, 250), 128);
    p.setPen(Qt::NoPen);
    brushes::Glow(p, QPointF(112, 14), 16, QColor(255, 255, 220), QColor(255, 245, 180));
    // Far mountains behind the hill.
    QPainterPath range(QPointF(0, 128));
    for (int x = 0; x <= Size; x += 8)
        range.lineTo(x, 70 + 16 * qAbs(qSin(x / 19.0)) + noise.Between(-4, 4));
    range.lineTo(Size, 128);
    p.fillPath(range, QColor(140, 160, 200));
    const QColor white(255, 255, 255, 230);
    brushes::Cloud(p, QPointF(28, 22), 38, white, noise);
    brushes::Cloud(p, QPointF(98, 34), 30, white, noise);
    brushes::Cloud(p, QPointF(12, 56), 22, white, noise);
    brushes::Birds(p, QRectF(96, 44, 26, 16), 4, QColor(50, 60, 90), noise);
    QPainterPath hillPath(QPointF(0, 128));
    hillPath.cubicTo(10, 80, 40, 68, 64, 70);
    hillPath.cubicTo(90, 70, 118, 84, 128, 100);
    hillPath.lineTo(128, 128);
    p.fillPath(hillPath, QColor(70, 140, 60));
    p.fillPath(QPainterPath(hillPath).translated(0, 14), QColor(50, 115, 45));
    const QColor stone(160, 155, 150);
    const QColor dark(110, 105, 105);
    const QColor roofRed(170, 40, 40);
    p.setBrush(stone);
    p.drawRect(QRectF(40, 48, 48, 26));
    for (double x : {34.0, 84.0}) {
        p.setBrush(stone);
        p.drawRect(QRectF(x, 34, 10, 40));
        p.setBrush(roofRed);
        QPolygonF roof({QPointF(x - 2, 34), QPointF(x + 5, 18), QPointF(x + 12, 34)});
        p.drawPolygon(roof);
    }
    p.setBrush(stone);
    p.drawRect(QRectF(58, 26, 12, 24));
    p.setBrush(roofRed);
    p.drawPolygon(QPolygonF({QPointF(56, 26), QPointF(64, 8), QPointF(72, 26)}));
    // A pennant on every roof.
    for (const QPointF top : {QPointF(39, 18), QPointF(89, 18), QPointF(64, 8)}) {
        p.setPen(QPen(dark, 1));
        p.drawLine(top, top - QPointF(0, 6));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({top - QPointF(0, 6), top - QPointF(-6, 4.5), top - QPointF(0, 3)}));
    }
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
    brushes::Sky(p, QColor(20, 30, 70), QColor(60, 120, 110), Size);
    p.setPen(Qt::NoPen);
    // Trunks behind and in front, darker the nearer they stand, each under
    // leaves whose moonlit edges catch the light. The moon shows through a
    // gap in the canopy, behind the nearer trees.
    const QPointF moon(66, 14);
    for (int layer = 0; layer < 3; ++layer) {
        const QColor trunk = QColor(40, 70, 60).darker(100 + 45 * layer);
        const QColor leaves = QColor(40, 110, 75).darker(100 + 40 * layer);
        for (int i = 0; i < 5; ++i) {
            const double x = noise.Between(0, Size);
            const double width = 4 + 4 * layer + noise.Between(0, 3);
            p.setBrush(trunk);
            p.drawRect(QRectF(x, 0, width, Size));
            for (int clump = 0; clump < 3; ++clump) {
                const QPointF at(x + width / 2 + noise.Between(-14, 14), noise.Between(0, 34));
                const double r = noise.Between(6, 10) + 2 * layer;
                if (QLineF(at, moon).length() < r + 12)
                    continue;
                p.setBrush(leaves.lighter(190));
                p.drawEllipse(at + QPointF(1.5, -1.5), r, r * 0.7);
                p.setBrush(leaves);
                p.drawEllipse(at, r, r * 0.7);
            }
        }
        if (layer == 0) {
            brushes::Glow(p, moon, 24, QColor(230, 245, 220, 200), QColor(230, 245, 220, 100));
            p.setBrush(QColor(240, 245, 225));
            p.drawEllipse(moon, 6, 6);
        }
    }
    // Moonlight falls through the gap in shafts.
    p.setBrush(QColor(200, 240, 225, 40));
    for (int i = 0; i < 4; ++i) {
        const QPointF top = moon + QPointF(noise.Between(-6, 6), 6);
        const double x = noise.Between(10, 110);
        p.drawPolygon(QPolygonF({top, top + QPointF(4, 0), QPointF(x + noise.Between(8, 18), Size), QPointF(x, Size)}));
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
        brushes::Glow(p, QPointF(x, y - r), r * 3, QColor(cap.red(), cap.green(), cap.blue(), 140),
            QColor(cap.red(), cap.green(), cap.blue(), 70));
        p.setBrush(QColor(230, 230, 210));
        p.drawRect(QRectF(x - r * 0.25, y - r, r * 0.5, r + 2));
        p.setBrush(cap);
        p.drawChord(QRectF(x - r, y - r * 1.8, 2 * r, 2 * r), 0, 180 * 16);
    }
    // Fireflies.
    brushes::Dots(p, QRectF(0, 4, Size, 100), 40, QColor(225, 255, 140, 230), 0.7, 1.3, noise);
    return image;
}

} // namespace paintings

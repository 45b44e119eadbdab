#include "icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace icons {

namespace {

QImage transparent(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QFont boldFont(int pixels)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

void face(QPainter& p, const QPointF& centre, double scale)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(centre + QPointF(-4 * scale, -3 * scale), 1.6 * scale, 2 * scale);
    p.drawEllipse(centre + QPointF(4 * scale, -3 * scale), 1.6 * scale, 2 * scale);
    p.setPen(QPen(Qt::black, 1.8 * scale, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 6 * scale, centre.y() - 5 * scale, 12 * scale, 11 * scale), 200 * 16, 140 * 16);
}

} // namespace

QImage Board(int size)
{
    QImage image = transparent(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double cell = size / 3.0;
    p.setFont(boldFont(int(cell * 0.62)));
    for (int k = 0; k < 9; ++k) {
        const int row = k / 3;
        const int column = k % 3;
        const QRectF tile(
            cell * column + size / 64.0, cell * row + size / 64.0, cell - size / 32.0, cell - size / 32.0);
        QLinearGradient light(tile.topLeft(), tile.bottomRight());
        light.setColorAt(0, QColor(60, 110, 255));
        light.setColorAt(1, QColor(0, 0, 170));
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawRoundedRect(tile, size / 32.0, size / 32.0);
        p.setPen(Qt::white);
        p.drawText(tile, Qt::AlignCenter, QString::number(k + 1));
    }
    return image;
}

QImage Exit()
{
    QImage image = transparent(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(QRectF(16, 3, 13, 26)); // the door frame
    p.setBrush(QColor(128, 64, 0));
    p.drawPolygon(QPolygonF({QPointF(16, 3), QPointF(23, 7), QPointF(23, 31), QPointF(16, 29)})); // the open door
    p.setBrush(QColor(0, 170, 0));
    p.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(12, 13), QPointF(12, 8), QPointF(21, 16), QPointF(12, 24),
        QPointF(12, 19), QPointF(2, 19)}));
    return image;
}

QImage NewGame()
{
    QImage image = transparent(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(170, 85, 0));
    p.drawRoundedRect(QRectF(4, 4, 20, 26), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 8, 14, 19));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(10, 2, 8, 5));
    p.setPen(QPen(QColor(0, 170, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(9, 17), QPointF(13, 22), QPointF(20, 11)}));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 85));
    p.drawPolygon(QPolygonF({QPointF(27, 8), QPointF(31, 12), QPointF(20, 27), QPointF(16, 28), QPointF(17, 24)}));
    return image;
}

QImage Options()
{
    QImage image = transparent(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(170, 0, 0));
    p.drawRect(QRectF(2, 14, 28, 15)); // the box
    p.setBrush(QColor(255, 85, 85));
    p.drawRect(QRectF(2, 14, 28, 4));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(QRectF(11, 10, 10, 4)); // the handle
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 85));
    p.drawRoundedRect(QRectF(18, 2, 5, 10), 2, 2); // the screwdriver's grip
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(19.5, 12, 2, 8));
    return image;
}

QImage Smile()
{
    QImage image = transparent(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 85));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    face(p, QPointF(16, 17), 1.3);
    return image;
}

QImage Star()
{
    QImage image = transparent(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 ? 6.5 : 15;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(16 + radius * qCos(angle), 17 + radius * qSin(angle));
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 85));
    p.drawPolygon(star);
    face(p, QPointF(16, 18), 0.75);
    return image;
}

QImage Banner(const QString& version)
{
    QImage image(162, 52, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 162, 52);
    gradient.setColorAt(0, QColor(10, 35, 140));
    gradient.setColorAt(1, QColor(60, 130, 230));
    p.fillRect(image.rect(), gradient);
    p.setPen(Qt::white);
    p.setFont(boldFont(19));
    p.drawText(QRect(0, 4, 162, 28), Qt::AlignCenter, QStringLiteral("Dezudor játék"));
    p.setPen(QColor(255, 230, 120));
    p.setFont(boldFont(13));
    p.drawText(QRect(0, 30, 162, 18), Qt::AlignCenter, version);
    return image;
}

QImage ToSixteenColours(const QImage& image)
{
    static const QRgb vga[] = {
        0xff000000,
        0xff800000,
        0xff008000,
        0xff808000,
        0xff000080,
        0xff800080,
        0xff008080,
        0xffc0c0c0,
        0xff808080,
        0xffff0000,
        0xff00ff00,
        0xffffff00,
        0xff0000ff,
        0xffff00ff,
        0xff00ffff,
        0xffffffff,
    };
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (qAlpha(line[x]) < 128) {
                line[x] = 0;
                continue;
            }
            QRgb best = vga[0];
            int bestDistance = INT_MAX;
            for (QRgb colour : vga) {
                const int dr = qRed(colour) - qRed(line[x]);
                const int dg = qGreen(colour) - qGreen(line[x]);
                const int db = qBlue(colour) - qBlue(line[x]);
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = colour;
                }
            }
            line[x] = best;
        }
    }
    return result;
}

} // namespace icons

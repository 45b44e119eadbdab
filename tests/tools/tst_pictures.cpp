#include "pictureresources.h"
#include "testgame.h"

#include <QPainter>
#include <QTest>

namespace {

const QByteArray Letters(DEZUDOR_SET_LETTERS);

QImage piece(char letter, int k)
{
    return QImage(RunnableFile(k == 16 ? QStringLiteral("16.jpg") : QStringLiteral("%1%2.jpg").arg(letter).arg(k)));
}

// Sums `gap` over the pixels that stand in the same place in both pictures.
template <typename Gap> qint64 sum(const QImage& a, const QImage& b, Gap gap)
{
    qint64 total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            total += gap(a.pixel(x, y), b.pixel(x, y));
    return total;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void eachSetIsItsOwn_data()
    {
        QTest::addColumn<int>("set");
        for (int s = 0; s < Letters.size(); ++s)
            QTest::newRow(Letters.mid(s, 1).constData()) << s;
    }

    // Every two pieces differ at their real size, JPEG losses counted in: on
    // 1.5 % of the pixels some channel is more than 48 levels apart. The
    // set's thumbnail is nearest to its own pieces.
    void eachSetIsItsOwn()
    {
        QFETCH(int, set);
        const auto seen = [](QRgb u, QRgb v) {
            return qMax(qMax(qAbs(qRed(u) - qRed(v)), qAbs(qGreen(u) - qGreen(v))), qAbs(qBlue(u) - qBlue(v))) > 48;
        };
        for (int a = 1; a <= 15; ++a)
            for (int b = a + 1; b <= 15; ++b)
                QVERIFY2(100.0 * sum(piece(Letters[set], a), piece(Letters[set], b), seen) / (32 * 32) >= 1.5,
                    qPrintable(QStringLiteral("pieces %1 and %2 look alike").arg(a).arg(b)));
        LoadPictureResources();
        const QImage thumbnail(QStringLiteral(":/pictures/thumb%1.jpg").arg(set));
        QCOMPARE(thumbnail.size(), QSize(82, 82));
        QList<qint64> distance;
        for (const char letter : Letters) {
            QImage picture(128, 128, QImage::Format_RGB32);
            QPainter painter(&picture);
            for (int k = 1; k <= 16; ++k)
                painter.drawImage(32 * ((k - 1) % 4), 32 * ((k - 1) / 4), piece(letter, k));
            const auto grey = [](QRgb u, QRgb v) { return qAbs(qGray(u) - qGray(v)); };
            distance.append(
                sum(thumbnail, picture.scaled(82, 82, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), grey));
        }
        QCOMPARE(std::min_element(distance.cbegin(), distance.cend()) - distance.cbegin(), set);
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"

#include "pictureresources.h"
#include "testgame.h"

#include <QDir>
#include <QPainter>
#include <QTest>

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    // Each set's thumbnail is nearest to its own 32-pixel pieces.
    void thumbnailShowsItsOwnSet()
    {
        LoadPictureResources();
        const QByteArray letters(DEZUDOR_SET_LETTERS);
        QList<QImage> sets;
        for (const char letter : letters) {
            QImage picture(128, 128, QImage::Format_RGB32);
            QPainter painter(&picture);
            for (int k = 1; k <= 16; ++k) {
                const QString name = k == 16 ? QStringLiteral("16.jpg") : QStringLiteral("%1%2.jpg").arg(letter).arg(k);
                painter.drawImage(32 * ((k - 1) % 4), 32 * ((k - 1) / 4), QImage(RunnableFile(name)));
            }
            sets.append(picture.scaled(82, 82, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
        for (int s = 0; s < sets.size(); ++s) {
            const QImage thumbnail(QStringLiteral(":/pictures/thumb%1.jpg").arg(s));
            QCOMPARE(thumbnail.size(), QSize(82, 82));
            QList<qint64> distance(sets.size());
            for (int t = 0; t < sets.size(); ++t)
                for (int y = 0; y < 82; ++y)
                    for (int x = 0; x < 82; ++x)
                        distance[t] += qAbs(qGray(thumbnail.pixel(x, y)) - qGray(sets[t].pixel(x, y)));
            QCOMPARE(std::min_element(distance.cbegin(), distance.cend()) - distance.cbegin(), s);
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"

// The pictures drawn at build time: complete, of the right sizes, and each
// set's thumbnail showing that set's own pieces.
#include "imagedifference.h"
#include "pictureresources.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const char letters[] = DEZUDOR_SET_LETTERS;

QString runFile(const QString& name)
{
    return QDir(QStringLiteral(DEZUDOR_RUN_DIR)).filePath(name);
}

QImage assembled(char letter)
{
    QImage picture(128, 128, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int k = 1; k <= 16; ++k) {
        const QString name
            = k == 16 ? QStringLiteral("16.jpg") : QStringLiteral("%1%2.jpg").arg(QLatin1Char(letter)).arg(k);
        painter.drawImage(32 * ((k - 1) % 4), 32 * ((k - 1) / 4), QImage(runFile(name)));
    }
    return picture;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { LoadPictureResources(); }

    void everyTileFileIsA32PixelJpeg()
    {
        QStringList names{QStringLiteral("16.jpg")};
        for (int k = 1; k <= 15; ++k) {
            names.append(QStringLiteral("%1.jpg").arg(k));
            for (const char letter : QByteArray(letters))
                names.append(QStringLiteral("%1%2.jpg").arg(QLatin1Char(letter)).arg(k));
        }
        QCOMPARE(names.size(), 106);
        for (const QString& name : names) {
            const QImage image(runFile(name));
            QVERIFY2(image.size() == QSize(32, 32), qPrintable(name));
        }
    }

    void currentPictureIsTheNumberedSet()
    {
        for (int k = 1; k <= 15; ++k) {
            QFile current(runFile(QStringLiteral("%1.jpg").arg(k)));
            QFile set(runFile(QStringLiteral("s%1.jpg").arg(k)));
            QVERIFY(current.open(QIODevice::ReadOnly) && set.open(QIODevice::ReadOnly));
            QCOMPARE(current.readAll(), set.readAll());
        }
    }

    void thumbnailShowsItsOwnSet_data()
    {
        QTest::addColumn<int>("set");
        for (int s = 0; s < 6; ++s)
            QTest::newRow(QByteArray(1, letters[s]).constData()) << s;
    }

    void thumbnailShowsItsOwnSet()
    {
        QFETCH(int, set);
        const QImage thumbnail(QStringLiteral(":/pictures/thumb%1.jpg").arg(set));
        QCOMPARE(thumbnail.size(), QSize(82, 82));
        const QImage own = assembled(letters[set]).scaled(82, 82, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double nearestOther = 255;
        for (int other = 0; other < 6; ++other)
            if (other != set) {
                const QImage theirs
                    = assembled(letters[other]).scaled(82, 82, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                nearestOther = qMin(nearestOther, ImageDifference(thumbnail, theirs));
            }
        const double mine = ImageDifference(thumbnail, own);
        QVERIFY2(mine < 25 && mine * 2 < nearestOther,
            qPrintable(QString("own %1, nearest other %2").arg(mine).arg(nearestOther)));
    }

    void storedPicturesHaveTheirSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const char* icon : {"board.png", "exit.png", "newgame.png", "options.png", "smile.png", "star.png"})
            QTest::newRow(icon) << QString::fromLatin1(icon) << QSize(32, 32);
        QTest::newRow("numbered") << "numbered.jpg" << QSize(83, 83);
        QTest::newRow("banner") << "banner.jpg" << QSize(162, 52);
        QTest::newRow("desktop icon") << "icon256.png" << QSize(256, 256);
    }

    void storedPicturesHaveTheirSizes()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image(QStringLiteral(":/pictures/") + name);
        QCOMPARE(image.size(), size);
    }

    // The icons keep to the sixteen colours of the classic palette.
    void iconsUseSixteenColours()
    {
        for (const char* icon : {"board.png", "exit.png", "newgame.png", "options.png", "smile.png", "star.png"}) {
            const QImage image
                = QImage(QStringLiteral(":/pictures/") + QLatin1String(icon)).convertToFormat(QImage::Format_ARGB32);
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) != 0)
                        colours.insert(image.pixel(x, y));
            QVERIFY2(colours.size() <= 16, icon);
        }
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"

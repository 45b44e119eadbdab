// Draws the picture sets, cuts them into tiles beside the executable, and
// writes the pictures that the windows store.
#include "iconfile.h"
#include "icons.h"
#include "paintings.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

bool failed = false;

void save(const QImage& image, const QString& path)
{
    const bool jpeg = path.endsWith(QStringLiteral(".jpg"));
    if (!image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 90 : -1)) {
        std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(path));
        failed = true;
    }
}

QImage scaled(const QImage& picture, int size)
{
    return picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The empty cell: flat grey with a sunken edge.
QImage blank()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter p(&image);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, 0, 31, 0);
    p.drawLine(0, 0, 0, 31);
    p.setPen(Qt::white);
    p.drawLine(1, 31, 31, 31);
    p.drawLine(31, 1, 31, 31);
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: picturegen RUN-FOLDER RESOURCE-FOLDER VERSION\n");
        return 2;
    }
    const QDir run(QString::fromLocal8Bit(argv[1]));
    const QDir resources(QString::fromLocal8Bit(argv[2]));
    const QString version = QString::fromLocal8Bit(argv[3]);
    if (!run.mkpath(QStringLiteral(".")) || !resources.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "picturegen: cannot make the output folders\n");
        return 1;
    }

    const std::function<QImage()> sets[] = {paintings::NumberedTiles, paintings::Landscape, paintings::Savanna,
        paintings::Palace, paintings::Castle, paintings::Forest};
    const char letters[] = DEZUDOR_SET_LETTERS;
    for (int s = 0; s < 6; ++s) {
        const QImage picture = sets[s]();
        for (int k = 1; k <= 15; ++k)
            save(picture.copy(32 * ((k - 1) % 4), 32 * ((k - 1) / 4), 32, 32),
                run.filePath(QStringLiteral("%1%2.jpg").arg(QLatin1Char(letters[s])).arg(k)));
        save(scaled(picture, 82), resources.filePath(QStringLiteral("thumb%1.jpg").arg(s)));
        if (s == 0)
            save(scaled(picture, 83), resources.filePath(QStringLiteral("numbered.jpg")));
    }
    // The game starts with the numbered picture: the same bytes as its set.
    for (int k = 1; k <= 15; ++k) {
        const QString current = run.filePath(QStringLiteral("%1.jpg").arg(k));
        QFile::remove(current);
        if (!QFile::copy(run.filePath(QStringLiteral("s%1.jpg").arg(k)), current)) {
            std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(current));
            failed = true;
        }
    }
    save(blank(), run.filePath(QStringLiteral("16.jpg")));

    save(icons::ToSixteenColours(icons::Board(32)), resources.filePath(QStringLiteral("board.png")));
    save(icons::ToSixteenColours(icons::Exit()), resources.filePath(QStringLiteral("exit.png")));
    save(icons::ToSixteenColours(icons::NewGame()), resources.filePath(QStringLiteral("newgame.png")));
    save(icons::ToSixteenColours(icons::Options()), resources.filePath(QStringLiteral("options.png")));
    save(icons::ToSixteenColours(icons::Smile()), resources.filePath(QStringLiteral("smile.png")));
    save(icons::ToSixteenColours(icons::Star()), resources.filePath(QStringLiteral("star.png")));
    save(icons::Banner(version), resources.filePath(QStringLiteral("banner.jpg")));
    // The window icon's picture at the sizes a desktop's icon theme asks for.
    QList<QImage> iconSizes;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        iconSizes.append(icons::Board(size));
        save(iconSizes.last(), resources.filePath(QStringLiteral("icon%1.png").arg(size)));
    }
    // The same sizes in one file for Windows: the program's and the installer's icon.
    if (!SaveIconFile(iconSizes, resources.filePath(QStringLiteral("dezudor.ico")))) {
        std::fprintf(stderr, "picturegen: cannot write dezudor.ico\n");
        failed = true;
    }
    return failed ? 1 : 0;
}

#include "tilepictures.h"

#include "appfolder.h"
#include "boardcontrols.h"
#include "errorreport.h"

#include <QSet>

namespace TilePictures {

namespace {

// What a screen reader says of a tile box: its cell and the piece it shows.
QString describeTile(int box, const QString& path)
{
    const QString cell = QStringLiteral("%1. sor, %2. oszlop: ").arg(box / 4 + 1).arg(box % 4 + 1);
    if (path == BlankImagePath())
        return cell + QStringLiteral("üres mező");
    for (int k = 1; k <= 15; ++k)
        if (path == ImagePath(k))
            return cell + QStringLiteral("%1. darab").arg(k);
    return cell + QStringLiteral("ismeretlen kép");
}

} // namespace

QString ImagePath(int k)
{
    return platform::AppFilePath(QString::number(k) + QStringLiteral(".jpg"));
}

QString BlankImagePath()
{
    return ImagePath(16);
}

void LoadTilePicture(int box, const QString& path, QStringList& unreadable)
{
    platform::PictureBox* tile = Forms::board.Load().Picture1[box];
    tile->setAccessibleName(describeTile(box, path));
    if (!tile->LoadPicture(path) && !unreadable.contains(path))
        unreadable.append(path);
}

void ReportUnreadablePictures(const QStringList& unreadable)
{
    // A missing file stays missing: told once, the player needs no message
    // at every move that shows it again.
    static QSet<QString> reported;
    QStringList fresh;
    for (const QString& path : unreadable)
        if (!reported.contains(path)) {
            reported.insert(path);
            fresh.append(path);
        }
    if (fresh.isEmpty())
        return;
    const QString files = fresh.join(QLatin1Char('\n'));
    if (fresh.size() == 1)
        platform::ReportError(QStringLiteral("Ez a képfájl hiányzik vagy sérült:\n%1\n\n"
                                             "A helyén üres négyzet látszik, a játék folytatható.")
                                  .arg(files));
    else
        platform::ReportError(QStringLiteral("Ezek a képfájlok hiányoznak vagy sérültek:\n%1\n\n"
                                             "Helyükön üres négyzetek látszanak, a játék folytatható.")
                                  .arg(files));
}

} // namespace TilePictures

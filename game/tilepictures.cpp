#include "game/tilepictures.h"

#include "game/boardcontrols.h"
#include "platform/errorreport.h"

namespace Module1 {

void LoadTilePicture(int box, const QString& path, QStringList& unreadable)
{
    if (!Forms::board().Picture1[box]->LoadPicture(path) && !unreadable.contains(path))
        unreadable.append(path);
}

void ReportUnreadablePictures(const QStringList& unreadable)
{
    if (unreadable.isEmpty())
        return;
    const QString files = unreadable.join(QLatin1Char('\n'));
    if (unreadable.size() == 1)
        platform::ReportError(QStringLiteral("Ez a képfájl hiányzik vagy sérült:\n%1\n\n"
                                             "A helyén üres négyzet látszik, a játék folytatható.")
                                  .arg(files));
    else
        platform::ReportError(QStringLiteral("Ezek a képfájlok hiányoznak vagy sérültek:\n%1\n\n"
                                             "Helyükön üres négyzetek látszanak, a játék folytatható.")
                                  .arg(files));
}

} // namespace Module1

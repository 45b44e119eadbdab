#include "secondstart.h"

#include "errorreport.h"
#include "folderclaim.h"

#include <QDir>

namespace platform {

int EndSecondStart(const FolderClaim& claim, const QString& folder)
{
    if (claim.HolderWoken())
        return 0;
    ReportError(QStringLiteral("Ebben a mappában már fut egy Dezudor játék:\n%1\n\n"
                               "Egy mappában egyszerre csak egy játék futhat. Válts át a futó játék ablakára! "
                               "Ha nem látod, vagy nem válaszol, zárd be, és indítsd el újra a játékot.")
                    .arg(QDir::toNativeSeparators(folder)));
    // This start ran no game: a launcher or a script can tell.
    return 1;
}

} // namespace platform

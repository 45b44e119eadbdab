#include "appfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString& chosenFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString AppFolder()
{
    if (chosenFolder().isEmpty())
        return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    return chosenFolder();
}

void SetAppFolder(const QString& folder)
{
    chosenFolder() = QDir::toNativeSeparators(folder);
}

QString AppFilePath(const QString& fileName)
{
    return AppFolder() + QDir::separator() + fileName;
}

} // namespace platform

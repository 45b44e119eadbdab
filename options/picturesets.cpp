#include "picturesets.h"

#include "appfolder.h"
#include "errorreport.h"
#include "filecopy.h"
#include "module1.h"
#include "picturefile.h"

#include <QDir>
#include <QFileInfo>

namespace PictureSetChoice {

namespace {

// The letters come from the build, which also names the files after them.
constexpr char Letters[] = DEZUDOR_SET_LETTERS;
static_assert(sizeof(Letters) == SetCount + 1, "one letter for each picture set");

const char* const Titles[SetCount] = {
    "Standard",
    "Velkaro festmény",
    "Lion King",
    "Taj Mahal",
    "Orsinda",
    "Quenlore",
};

} // namespace

QString SetTitle(int k)
{
    return QString::fromUtf8(Titles[k]);
}

QString SetPrefix(int k)
{
    return platform::AppFilePath(QString(QLatin1Char(Letters[k])));
}

namespace {

const QString NotChanged = QStringLiteral("A kép nem változott.");

QString pieceName(int n)
{
    return QString::number(n) + QStringLiteral(".jpg");
}

// A piece that is missing or does not decode would leave a hole in the new
// picture, so the whole set is checked before anything is copied.
bool checkSetFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        platform::ReportError(QStringLiteral("Hiányzik a képcsomag egyik fájlja:\n%1\n\n%2").arg(path, NotChanged));
        return false;
    }
    if (platform::ReadPictureFile(path).isNull()) {
        platform::ReportError(
            QStringLiteral("A képcsomag egyik fájlja sérült, nem olvasható:\n%1\n\n%2").arg(path, NotChanged));
        return false;
    }
    return true;
}

// Where a copy notes its progress, so that a copy cut off by a kill is
// finished or taken back at the next start.
QString journalPath()
{
    return platform::AppFilePath(QStringLiteral(".dezudor-copy"));
}

void reportMixed(const QString& file)
{
    platform::ReportError(QStringLiteral("Ez a fájl nem írható felül:\n%1\n\n"
                                         "A kép darabjai két képcsomagból valók. A játék következő "
                                         "indításakor a csere befejeződik, ha a fájl már írható.")
                              .arg(file));
}

} // namespace

bool CopyPendingSet()
{
    QList<platform::FileCopy> copies;
    for (int n = 1; n <= PieceCount; ++n) {
        Module1::PictureSetSource = Module1::PictureSetPrefix + pieceName(n);
        if (!checkSetFile(Module1::PictureSetSource))
            return false;
        copies.append({Module1::PictureSetSource, platform::AppFilePath(pieceName(n))});
    }
    const platform::CopyFailure failure = platform::CopyFilesOver(copies, journalPath());
    if (failure.Error == platform::CopyFailure::None)
        return true;
    const QString file = QDir::toNativeSeparators(failure.File);
    if (failure.Error == platform::CopyFailure::Mixed)
        reportMixed(file);
    else if (failure.Error == platform::CopyFailure::Unreadable)
        platform::ReportError(
            QStringLiteral("A képcsomag egyik fájlja nem olvasható:\n%1\n\n%2").arg(file, NotChanged));
    else
        platform::ReportError(QStringLiteral("Ez a fájl nem írható felül:\n%1\n\n"
                                             "Lehet, hogy a játék mappája írásvédett. %2")
                                  .arg(file, NotChanged));
    return false;
}

void FinishInterruptedChoice()
{
    const platform::CopyFailure failure = platform::FinishInterruptedCopy(journalPath());
    if (failure.Error != platform::CopyFailure::None)
        reportMixed(QDir::toNativeSeparators(failure.File));
}

} // namespace PictureSetChoice

#include "testgame.h"

#include "endprogram.h"
#include "errorreport.h"
#include "random.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>

TestGame::TestGame(quint64 seed)
{
    static const bool registered = (ui::RegisterForms(), true);
    Q_UNUSED(registered);
    if (!folder_.isValid())
        qFatal("cannot make a temporary folder");
    CopyPictures(folder_.path());
    Module1::ResetState();
    platform::SetAppFolder(folder_.path());
    platform::SeedRandom(seed);
    platform::SetRandomClock([] { return qint64{0}; });
    platform::SetErrorReporter([this](const QString& text) { Messages.append(text); });
    platform::SetEndProgram([this] { ProgramEnded = true; });
}

TestGame::~TestGame()
{
    ui::UnloadForms();
    platform::SetErrorReporter(nullptr);
    platform::SetEndProgram(nullptr);
    platform::SetRandomClock(nullptr);
    platform::SetAppFolder(QString());
    Module1::ResetState();
}

void ShowLayout(const std::array<int, 16>& pictures)
{
    Forms::board.Load();
    QStringList unreadable;
    for (int i = 0; i < 16; ++i) {
        Module1::BoardCells[i / 4][i % 4] = TilePictures::ImagePath(pictures[i]);
        TilePictures::LoadTilePicture(i, TilePictures::ImagePath(pictures[i]), unreadable);
    }
}

int TestGame::PictureAt(int index) const
{
    for (int k = 1; k <= 16; ++k)
        if (Module1::BoardCells[index / 4][index % 4] == TilePictures::ImagePath(k))
            return k;
    return 0;
}

QString RunnableFile(const QString& name)
{
    return QDir(QStringLiteral(DEZUDOR_RUN_DIR)).filePath(name);
}

void CopyPictures(const QString& folder)
{
    for (const QString& name : QDir(RunnableFile({})).entryList({QStringLiteral("*.jpg")}, QDir::Files))
        if (!QFile::copy(RunnableFile(name), QDir(folder).filePath(name))
            || !QFile::setPermissions(QDir(folder).filePath(name), QFile::Permissions(0x6666)))
            qFatal("cannot copy %s into %s", qPrintable(name), qPrintable(folder));
}

QList<QByteArray> PieceBytes(const QString& folder, const QString& set)
{
    QList<QByteArray> all;
    for (int n = 1; n <= 15; ++n)
        all.append(FileBytes(QDir(folder).filePath(set + QStringLiteral("%1.jpg").arg(n))));
    return all;
}

QStringList ListRows(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    QVERIFY(file.setPermissions(QFile::Permissions(0x6666)));
}

void Tick(int seconds)
{
    for (; seconds > 0; --seconds)
        BoardEvents::Timer1_Timer();
}

QStringList LeakedWindows()
{
    QStringList titles;
    for (QWidget* widget : QApplication::topLevelWidgets())
        titles.append(widget->metaObject()->className() + QStringLiteral(" ") + widget->windowTitle());
    return titles;
}

double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

#include "windowtest.h"

#include <QFile>
#include <QTest>

void WindowTest::init()
{
    game = std::make_unique<TestGame>(seed_);
}

void WindowTest::cleanup()
{
    game.reset();
    const QStringList leaked = LeakedWindows();
    QVERIFY2(leaked.isEmpty(), qPrintable(leaked.join(QStringLiteral(", "))));
}

QByteArray WindowTest::FileBytes(const QString& name) const
{
    QFile file(game->FilePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#include "filecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileCopy : public QObject {
    Q_OBJECT

private:
    QRandomGenerator random{17};

    QByteArray someBytes(int size)
    {
        QByteArray bytes(size, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random.bounded(256));
        return bytes;
    }

private slots:
    // Five new files over five old ones; `broken` spoils one of them.
    void copiesAllOrNone_data()
    {
        QTest::addColumn<QString>("broken"); // "", "source" or "target"
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("error");
        QTest::newRow("all copied") << "" << -1 << int(platform::CopyFailure::None);
        QTest::newRow("first source missing") << "source" << 0 << int(platform::CopyFailure::Unreadable);
        QTest::newRow("last source missing") << "source" << 4 << int(platform::CopyFailure::Unreadable);
        QTest::newRow("middle target is a folder") << "target" << 2 << int(platform::CopyFailure::Unwritable);
        QTest::newRow("last target is a folder") << "target" << 4 << int(platform::CopyFailure::Unwritable);
        QTest::newRow("target links outside") << "link" << 1 << int(platform::CopyFailure::None);
        QTest::newRow("target is a dangling link") << "dangling" << 3 << int(platform::CopyFailure::None);
    }

    void copiesAllOrNone()
    {
        QFETCH(QString, broken);
        QFETCH(int, which);
        QFETCH(int, error);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QList<platform::FileCopy> copies;
        QList<QByteArray> oldBytes;
        QList<QByteArray> newBytes;
        for (int i = 0; i < 5; ++i) {
            const platform::FileCopy copy{
                dir.filePath(QStringLiteral("new%1").arg(i)), dir.filePath(QStringLiteral("%1.jpg").arg(i))};
            newBytes.append(someBytes(1000 + 700 * i));
            oldBytes.append(someBytes(900));
            writeFile(copy.Source, newBytes[i]);
            writeFile(copy.Target, oldBytes[i]);
            copies.append(copy);
        }
        QTemporaryDir outside;
        const QString away = outside.filePath(QStringLiteral("away"));
        QString named;
        if (broken == QLatin1String("link") || broken == QLatin1String("dangling")) {
            QVERIFY(QFile::remove(copies[which].Target));
            if (broken == QLatin1String("link"))
                writeFile(away, oldBytes[which]);
            QVERIFY(QFile::link(away, copies[which].Target));
        } else if (broken == QLatin1String("source")) {
            named = copies[which].Source;
            QVERIFY(QFile::remove(named));
        } else if (broken == QLatin1String("target")) {
            named = copies[which].Target;
            QVERIFY(QFile::remove(named));
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("%1.jpg").arg(which)));
            oldBytes[which].clear();
        }
        const QStringList filesBefore
            = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

        const platform::CopyFailure failure = platform::CopyFilesOver(copies, dir.filePath(QStringLiteral("journal")));

        QCOMPARE(int(failure.Error), error);
        QCOMPARE(failure.File, named);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), filesBefore);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(readFile(copies[i].Target), error == platform::CopyFailure::None ? newBytes[i] : oldBytes[i]);
        // A link is replaced, never written through.
        QVERIFY(!QFileInfo(copies[qMax(which, 0)].Target).isSymLink());
        QCOMPARE(readFile(away), broken == QLatin1String("link") ? oldBytes[which] : QByteArray());
        QCOMPARE(QFile::exists(away), broken == QLatin1String("link"));
    }

    void copiesAnEmptyFileAndOverAnyLength()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QList<platform::FileCopy> copies{{dir.filePath(QStringLiteral("a")), dir.filePath(QStringLiteral("b"))},
            {dir.filePath(QStringLiteral("c")), dir.filePath(QStringLiteral("d"))}};
        writeFile(copies[0].Source, {});
        writeFile(copies[0].Target, someBytes(5000));
        const QByteArray shortBytes = someBytes(10);
        writeFile(copies[1].Source, shortBytes);
        writeFile(copies[1].Target, someBytes(5000));
        QCOMPARE(int(platform::CopyFilesOver(copies, dir.filePath(QStringLiteral("journal"))).Error),
            int(platform::CopyFailure::None));
        QVERIFY(QFile::exists(copies[0].Target));
        QCOMPARE(readFile(copies[0].Target), QByteArray());
        QCOMPARE(readFile(copies[1].Target), shortBytes);
    }
};

QTEST_MAIN(TestFileCopy)
#include "tst_options_filecopy.moc"

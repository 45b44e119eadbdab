// Where an installed game keeps its files: beside a writable executable, else in the player's data folder.
#include "childgame.h"
#include "qtcatalogue.h"
#include "testgame.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using childgame::BytesOf;

class TestGameFolder : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(QLatin1Char(',')))); }

    void choiceAndRecordSurviveARestart_data()
    {
        QTest::addColumn<QByteArray>("folderName");
        QTest::addColumn<bool>("installedWritable");
        QTest::addColumn<bool>("dataWritable");
        QTest::addColumn<bool>("beside");
        QTest::newRow("writable folder") << QByteArray("game") << true << true << true;
        QTest::newRow("read-only folder") << QByteArray("game") << false << true << false;
        // "Játék" in Latin-2: bytes that are not UTF-8, which the game cannot spell.
        QTest::newRow("folder name not UTF-8") << QByteArray("J\xe1t\xe9k") << true << true << false;
        QTest::newRow("nothing writable") << QByteArray("game") << false << false << true;
    }

    void choiceAndRecordSurviveARestart()
    {
        QFETCH(QByteArray, folderName);
        QFETCH(bool, installedWritable);
        QFETCH(bool, dataWritable);
        QFETCH(bool, beside);
        QTemporaryDir tree;
        const QDir base(tree.path());
        const QString real = base.filePath(QString::fromLatin1(folderName));
        const QString installed = base.filePath(QStringLiteral("installed")); // the test's way in
        const QString data = base.filePath(QStringLiteral("data"));
        const QString program = base.filePath(QStringLiteral("start"));
        const QByteArray raw = QFile::encodeName(base.path()) + '/';
        QVERIFY(::mkdir(raw + folderName, 0777) == 0 && ::symlink(folderName, raw + "installed") == 0);
        QVERIFY(::symlink(folderName + "/game", raw + "start") == 0 && base.mkdir(QStringLiteral("data")));
        const QDir source(QStringLiteral(DEZUDOR_RUN_DIR));
        for (const QString& name : source.entryList({QStringLiteral("*.jpg")}, QDir::Files))
            QVERIFY(QFile::copy(source.filePath(name), QDir(installed).filePath(name))
                && QFile::setPermissions(QDir(installed).filePath(name), QFile::Permissions(0x6666)));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), QDir(installed).filePath(QStringLiteral("game"))));
        const auto open = [](const QString& folder, bool writable) {
            return QFile::setPermissions(folder, QFile::Permissions(writable ? 0x7777 : 0x5555));
        };
        QVERIFY(open(tree.path(), true) && open(installed, installedWritable) && open(data, dataWritable));
        const auto reopen = qScopeGuard(
            [&] { open(installed, true) && open(data, true) && ::rename(raw + folderName, raw + "gone") == 0; });
        const QString folder = beside ? real : QDir(data).filePath(QStringLiteral("dezudor"));
        const auto file = [&](const QString& name) { return QDir(folder).filePath(name); };

        const QStringList first = childgame::RunToEnd(program, {"play", "-"}, data);
        const QStringList messages = first.filter(QRegularExpression(QStringLiteral("^message: ")));
        QVERIFY2(first.value(0) == QLatin1String("0") && first.contains(QStringLiteral("folder: ") + folder),
            qPrintable(first.join(QLatin1Char('\n'))));
        QCOMPARE(QDir(data).exists(QStringLiteral("dezudor")), !beside);
        if (!dataWritable) {
            QCOMPARE(messages.filter(QStringLiteral("nem menthető")).size(), 1);
            QVERIFY(messages.filter(QStringLiteral("nem menthető"))[0].contains(file(QStringLiteral("scores.txt"))));
            for (const QString& message : messages)
                QVERIFY2(message.contains(real), qPrintable(message));
            QCOMPARE(BytesOf(file(QStringLiteral("1.jpg"))), BytesOf(source.filePath(QStringLiteral("s1.jpg"))));
            QVERIFY(QDir(data).isEmpty() && !QFile::exists(file(QStringLiteral("scores.txt"))));
            return;
        }
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
        QCOMPARE(
            QDir(folder).entryList({QStringLiteral("*.jpg")}), QDir(installed).entryList({QStringLiteral("*.jpg")}));
        QCOMPARE(BytesOf(file(QStringLiteral("1.jpg"))), BytesOf(source.filePath(QStringLiteral("v1.jpg"))));
        QCOMPARE(BytesOf(file(QStringLiteral("scores.txt"))), QByteArray("\xd5rs\r\n00 : 00\r\n"));
        if (!beside) {
            QCOMPARE(BytesOf(QDir(installed).filePath(QStringLiteral("1.jpg"))),
                BytesOf(source.filePath(QStringLiteral("s1.jpg"))));
            QVERIFY(QFile::remove(file(QStringLiteral("t3.jpg"))));
        }

        const QStringList second = childgame::RunToEnd(program, {"look", "-"}, data);
        QCOMPARE(second.filter(QRegularExpression(QStringLiteral("^(message|found): "))),
            QStringList{QStringLiteral("found: Őrs 00 : 00")});
        QCOMPARE(BytesOf(file(QStringLiteral("1.jpg"))), BytesOf(source.filePath(QStringLiteral("v1.jpg"))));
        QCOMPARE(BytesOf(file(QStringLiteral("t3.jpg"))), BytesOf(source.filePath(QStringLiteral("t3.jpg"))));
    }

    void qtTextsAreHungarian()
    {
        QVERIFY(platform::LoadQtCatalogue());
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QCOMPARE(menu->actions().value(0)->text().section(QLatin1Char('\t'), 0, 0), QStringLiteral("&Visszavonás"));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Mégse"));
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (const int status = childgame::Main(argc, argv); status >= 0)
        return status;
    TestGameFolder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gamefolder.moc"

// Where the game keeps its files, each start in a child process that finds
// its folder as an installed game does: beside a writable executable, else in
// the player's data folder; and Qt's own texts in Hungarian.
#include "installedgame.h"
#include "qtcatalogue.h"
#include "testgame.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

const fs::path RunDir = DEZUDOR_RUN_DIR;

QByteArray bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return QByteArray::fromStdString({std::istreambuf_iterator<char>(in), {}});
}

QString textOf(const fs::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

int pictureCount(const fs::path& folder)
{
    std::error_code error;
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        count += entry.path().extension() == ".jpg" ? 1 : 0;
    return count;
}

// The pictures and this program, as an unpacked tarball has them; a child
// runs it through an ASCII link, since Qt cannot spell every folder name.
void installInto(const fs::path& folder, const fs::path& link)
{
    fs::create_directory(folder);
    for (const fs::directory_entry& entry : fs::directory_iterator(RunDir))
        if (entry.path().extension() == ".jpg")
            fs::copy_file(entry.path(), folder / entry.path().filename());
    fs::copy_file(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(), folder / "game");
    fs::create_symlink(folder / "game", link);
}

// A writable folder is the player's own, its files included.
void setWritable(const fs::path& folder, bool writable)
{
    constexpr fs::perms readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
        | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(folder, writable ? fs::perms::all : readOnly);
    if (writable)
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                fs::perm_options::add);
}

struct Start {
    int Status = -1;
    QString Folder;
    QStringList Records;
    QStringList Messages;
};

// Root may write anywhere, so as root the child runs as an unprivileged user.
Start start(const fs::path& program, const fs::path& dataHome, const char* what)
{
    QStringList command{textOf(program), QStringLiteral("--child"), QString::fromLatin1(what)};
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                      QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"), QStringLiteral("--")}
            + command;
#endif
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), textOf(dataHome.parent_path()));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), textOf(dataHome));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    environment.remove(QStringLiteral("LSAN_OPTIONS"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(command.takeFirst(), command);
    Start run;
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return run;
    }
    run.Status = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    for (const QString& line : QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("folder: ")))
            run.Folder = line.mid(8);
        else if (line.startsWith(QLatin1String("record: ")))
            run.Records.append(line.mid(8));
        else if (line.startsWith(QLatin1String("message: ")))
            run.Messages.append(line.mid(9));
    return run;
}

// A temporary tree that an unprivileged child can walk, and that the test
// can remove again whatever it made read-only.
class Tree {
public:
    Tree()
        : base_(QFile::encodeName(dir_.path()).toStdString())
    {
        fs::permissions(base_, fs::perms::all);
    }
    ~Tree()
    {
        std::error_code error;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(base_, error))
            if (entry.is_directory(error))
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(base_, error);
    }
    Tree(const Tree&) = delete;
    Tree& operator=(const Tree&) = delete;

    const fs::path& Base() const { return base_; }

private:
    QTemporaryDir dir_;
    fs::path base_;
};

} // namespace

class TestGameFolder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(platform::LoadQtCatalogue()); }

    void cleanup() { QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(QLatin1Char(',')))); }

    void choiceAndRecordSurviveARestart_data()
    {
        QTest::addColumn<QByteArray>("folderName");
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("keptBesideTheGame");
        QTest::newRow("writable folder") << QByteArray("game") << true << true;
        QTest::newRow("read-only folder") << QByteArray("game") << false << false;
        // "Játék" in Latin-2: bytes that are not UTF-8.
        QTest::newRow("folder name not UTF-8") << QByteArray("J\xe1t\xe9k") << true << false;
    }

    void choiceAndRecordSurviveARestart()
    {
        QFETCH(QByteArray, folderName);
        QFETCH(bool, folderWritable);
        QFETCH(bool, keptBesideTheGame);
        Tree tree;
        const fs::path installed = tree.Base() / folderName.toStdString();
        const fs::path program = tree.Base() / "start";
        const fs::path dataHome = tree.Base() / "data";
        installInto(installed, program);
        fs::create_directory(dataHome);
        setWritable(dataHome, true);
        setWritable(installed, folderWritable);
        const fs::path folder = keptBesideTheGame ? installed : dataHome / "dezudor";

        const Start first = start(program, dataHome, "play");
        QCOMPARE(first.Status, 0);
        QVERIFY2(first.Messages.isEmpty(), qPrintable(first.Messages.join(QLatin1Char('\n'))));
        QCOMPARE(first.Folder, textOf(folder));
        QCOMPARE(pictureCount(folder), pictureCount(installed));
        QCOMPARE(bytesOf(folder / "1.jpg"), bytesOf(RunDir / "v1.jpg"));
        QCOMPARE(bytesOf(folder / "scores.txt"), QByteArray("\xd5rs\r\n00 : 42\r\n"));
        QCOMPARE(fs::exists(dataHome / "dezudor"), !keptBesideTheGame);
        if (!keptBesideTheGame) {
            QCOMPARE(bytesOf(installed / "1.jpg"), bytesOf(RunDir / "s1.jpg"));
            fs::remove(folder / "t3.jpg");
        }

        const Start second = start(program, dataHome, "look");
        QCOMPARE(second.Status, 0);
        QVERIFY2(second.Messages.isEmpty(), qPrintable(second.Messages.join(QLatin1Char('\n'))));
        QCOMPARE(second.Records, QStringList{QStringLiteral("Őrs 00 : 42")});
        QCOMPARE(bytesOf(folder / "1.jpg"), bytesOf(RunDir / "v1.jpg"));
        QCOMPARE(bytesOf(folder / "t3.jpg"), bytesOf(RunDir / "t3.jpg"));
    }

    // The game plays from its read-only folder and each message names the
    // place it could not write; nothing is left anywhere.
    void nothingWritable()
    {
        Tree tree;
        const fs::path installed = tree.Base() / "game";
        const fs::path program = tree.Base() / "start";
        const fs::path dataHome = tree.Base() / "data";
        installInto(installed, program);
        fs::create_directory(dataHome);
        setWritable(dataHome, false);
        setWritable(installed, false);

        const Start run = start(program, dataHome, "play");

        QCOMPARE(run.Status, 0);
        QCOMPARE(run.Folder, textOf(installed));
        QCOMPARE(run.Messages.filter(QStringLiteral("nem menthető")).size(), 1);
        QVERIFY(run.Messages.filter(QStringLiteral("nem menthető"))[0].contains(textOf(installed / "scores.txt")));
        for (const QString& message : run.Messages)
            QVERIFY2(message.contains(textOf(installed)), qPrintable(message));
        QVERIFY(fs::is_empty(dataHome));
        QVERIFY(!fs::exists(installed / "scores.txt"));
    }

    void qtTextsAreHungarian_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("text");
        QTest::newRow("text box menu") << 0 << QStringLiteral("&Visszavonás");
        QTest::newRow("dialog button") << 1 << QStringLiteral("Mégse");
    }

    void qtTextsAreHungarian()
    {
        QFETCH(int, place);
        QFETCH(QString, text);
        QString shown;
        if (place == 0) {
            QLineEdit box;
            const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
            shown = menu->actions().value(0)->text().section(QLatin1Char('\t'), 0, 0);
        } else {
            QDialogButtonBox buttons(QDialogButtonBox::Cancel);
            shown = buttons.button(QDialogButtonBox::Cancel)->text();
        }
        QCOMPARE(shown, text);
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return installedgame::Run(argv[2]);
    TestGameFolder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gamefolder.moc"

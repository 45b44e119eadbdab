#include "picturesets.h"
#include "windowtest.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Prompt = QStringLiteral("Kattints valamelyik képre!");
const QString HelpText
    = QStringLiteral("A játék kétféleképpen is irányítható: \n\r\n\rEgérrel\n\r\n\r"
                     "Kattintsunk arra a négyzetre, amelyet az üres helyre akarunk mozgatni.\n\r\n\r"
                     "Kurzormozgató nyilakkal:\n\r\n\r"
                     "Használjuk azt a nyilat, amelyik irányba a kiszemelt négyzetet mozgatni akarjuk.\n\r\n\r"
                     "Ha rekordot értünk el, beírhatjuk a nevünket a csúcstartók listájába.\n\r\n\r");

// The longest run of neighbouring pixels in a row that stand 3 : 1 apart: the edge of a dotted frame.
int dottedRun(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int longest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1, run = 0; x < image.width(); ++x) {
            run = Contrast(image.pixelColor(x - 1, y), image.pixelColor(x, y)) >= 3 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    return longest;
}

} // namespace

class TestOptions : public WindowTest {
    Q_OBJECT

    QList<QByteArray> pieces(const QString& set = {}) const { return PieceBytes(game->Folder(), set); }

    static OptionsControls& open()
    {
        QTest::mouseClick(Forms::board.Load().Command3, Qt::LeftButton);
        return Forms::options.Load();
    }

private slots:
    void init()
    {
        WindowTest::init();
        ActiveBoard();
    }

    // Steps: "tN" tab N, "pN" thumbnail N, "exit" the board's Kilépés, "exit box" its close box, "<...>" a key.
    // `status` "-": window unloaded; `set`: the set now in 1.jpg...15.jpg, empty for unchanged.
    void choosingAPictureSet_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("set");
        const auto row = [](const char* name, const char* steps, const QString& status, const char* set) {
            QTest::newRow(name) << steps << status << set;
        };
        const QString contact = QStringLiteral("Kapcsolat: ") + OptionsTexts::ContactAddress();
        row("picture tab", "t0", Prompt, "");
        row("help tab", "t1", "", "");
        row("about from help", "t1|t2", contact, "");
        row("thumbnail 1", "t0|p1", "Velkaro festmény", "");
        row("last of two thumbnails", "t0|p5|p3", "Taj Mahal", "");
        row("title gone on help", "t0|p3|t1", "", "");
        row("prompt back, not title", "t0|p3|t1|t0", Prompt, "");
        row("OK keeps the window's state", "t0|OK|reopen", Prompt, "");
        row("Mégsem discards it", "t0|Mégsem|reopen", "", "");
        row("the close box discards it", "t0|close|reopen", "", "");
        row("2 then 3", "p2|p3|OK", "Taj Mahal", "m");
        row("4, Mégsem, reopen, OK", "p4|Mégsem|reopen|OK", "", "z");
        row("one click, OK twice", "p5|OK|reopen|OK", "Quenlore", "t");
        row("a choice after OK", "p1|OK|reopen|p2|OK", "Lion King", "l");
        row("exit while open", "p2|exit", "-", "");
        row("exit while hidden", "OK|exit", "-", "");
        row("the board's close box", "t1|exit box", "-", "");
        row("Space on 4, Enter on OK", "<Left>|<Left>|<Tab>|<Right>|<Down>|<Space>|<Tab>|<Tab>|<Enter>", "Orsinda",
            "z");
        row("Enter on 3 chooses it and presses OK", "<Left>|<Left>|<Tab>|<Down>|<Enter>", "Taj Mahal", "m");
        row("arrows stop at the edges",
            "<Left>|<Left>|<Tab>|<Up>|<Left>|<Right>|<Right>|<Right>|<Space>|<Tab>|<Tab>|<Tab>|<Tab>|<Enter>",
            "Lion King", "l");
        row("Escape after a choice", "<Left>|<Left>|<Tab>|<Right>|<Space>|<Escape>", "-", "");
    }

    void choosingAPictureSet()
    {
        QFETCH(QString, steps);
        QFETCH(QString, status);
        QFETCH(QString, set);
        const QList<QByteArray> expected = pieces(set);
        const QByteArray blank = FileBytes(game->FilePath("16.jpg"));
        open();
        QVERIFY(QTest::qWaitForWindowActive(Forms::options.Window()));
        Tick(5);
        for (const QString& step : steps.split('|')) {
            const int n = step.mid(1).toInt();
            OptionsControls& window = Forms::options.Load();
            if (step == QLatin1String("OK") || step == QStringLiteral("Mégsem"))
                QTest::mouseClick(step == QLatin1String("OK") ? window.Command1 : window.Command2, Qt::LeftButton);
            else if (step == QLatin1String("close"))
                window.Form->close();
            else if (step == QLatin1String("reopen"))
                open();
            else if (step == QLatin1String("exit"))
                QTest::mouseClick(game->Board().Command1, Qt::LeftButton);
            else if (step == QLatin1String("exit box"))
                game->Board().Form->close();
            else if (step.startsWith(QLatin1Char('p')))
                QTest::mouseClick(window.Picture3[n], Qt::LeftButton);
            else if (step.startsWith(QLatin1Char('t'))) {
                auto* bar = window.SSTab1->findChild<QTabBar*>();
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(n).center());
            } else
                PressKeys({step});
        }
        QCOMPARE(Forms::options.IsLoaded() ? Forms::options.Load().Label1->text() : QStringLiteral("-"), status);
        if (Forms::options.IsLoaded())
            QCOMPARE(Forms::options.Load().Label6->text(), HelpText);
        QCOMPARE(pieces(), expected);
        QCOMPARE(FileBytes(game->FilePath("16.jpg")), blank);
        QVERIFY(game->Messages.isEmpty());
        QCOMPARE(game->ProgramEnded, steps.contains("exit"));
        QCOMPARE(Forms::board.IsLoaded(), !game->ProgramEnded);
        if (game->ProgramEnded)
            return;
        const bool dealt = !set.isEmpty() || steps.contains("OK|");
        QCOMPARE(game->Board().Label1->text(), QString(dealt ? "00 : 00" : "00 : 05"));
        // The boxes show what the pieces' files now hold.
        for (int box = 0; box < 16 && dealt; ++box)
            QCOMPARE(game->Board().Picture1[box]->Picture().toImage().convertToFormat(QImage::Format_RGB32),
                QImage(game->FilePath(QStringLiteral("%1.jpg").arg(game->PictureAt(box))))
                    .convertToFormat(QImage::Format_RGB32));
    }

    // Only the focused control shows the dotted frame; the heavy border is on the one button Enter presses:
    // the focused one, else OK.
    void focusIsDrawn_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focused");
        const auto row = [](const char* keys, const char* focused) { QTest::newRow(focused) << keys << focused; };
        row("", "tabs");
        row("<Tab>", "OK");
        row("<Tab>|<Tab>", "Mégsem");
        row("<Left>|<Left>|<Tab>", "p0");
    }

    void focusIsDrawn()
    {
        QFETCH(QString, keys);
        QFETCH(QString, focused);
        OptionsControls& window = open();
        QVERIFY(QTest::qWaitForWindowActive(window.Form));
        PressKeys(keys.split('|', Qt::SkipEmptyParts));
        const QMap<QString, QWidget*> controls{{"tabs", window.SSTab1->findChild<QTabBar*>()},
            {"p0", window.Picture3[0]}, {"OK", window.Command1}, {"Mégsem", window.Command2}};
        QCOMPARE(QApplication::focusWidget(), controls[focused]);
        const QString enterPresses = qobject_cast<QPushButton*>(controls[focused]) ? focused : QStringLiteral("OK");
        for (auto [name, control] : controls.asKeyValueRange()) {
            QVERIFY2(!control->isVisible() || (dottedRun(control) >= 20) == (name == focused), qPrintable(name));
            const QColor edge = control->grab().toImage().pixelColor(control->width() / 2, 0);
            QVERIFY2(!qobject_cast<QPushButton*>(control) || (Contrast(edge, Qt::white) >= 3) == (name == enterPresses),
                qPrintable(name + " border"));
        }
    }

    // A failed copy changes nothing; a link in a piece's place is replaced, never written through.
    void copyingTheChosenSet_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("named"); // the file the message names
        QTest::addColumn<QString>("says");  // empty: the copy succeeds
        // A read-only folder is a child-process case: root may write anywhere.
        for (const char* row : {"missing m9.jpg Hiányzik", "empty m15.jpg sérült", "folder 12.jpg nem írható",
                 "link 3.jpg", "dangling 3.jpg"}) {
            const QStringList words = QString::fromUtf8(row).split(' ');
            QTest::newRow(row) << words[0] << words[1] << words.mid(2).join(' ');
        }
    }

    void copyingTheChosenSet()
    {
        QFETCH(QString, damage);
        QFETCH(QString, named);
        QFETCH(QString, says);
        QTemporaryDir outside;
        const QString away = outside.filePath("away");
        OptionsControls& window = open();
        QTest::mouseClick(window.Picture3[3], Qt::LeftButton);
        const QString target = game->FilePath(named);
        if (damage != QLatin1String("empty"))
            QVERIFY(QFile::remove(target));
        if (damage == QLatin1String("empty"))
            WriteFile(target, {});
        else if (damage == QLatin1String("folder"))
            QVERIFY(QDir(game->Folder()).mkdir(named));
        else if (damage != QLatin1String("missing")) {
            if (damage == QLatin1String("link"))
                WriteFile(away, "outside");
            QVERIFY(QFile::link(away, target));
        }
        const QList<QByteArray> before = says.isEmpty() ? pieces("m") : pieces();
        const QStringList files
            = QDir(game->Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        Tick(5);
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(pieces(), before);
        QCOMPARE(QDir(game->Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), files);
        QCOMPARE(FileBytes(away), QByteArray(damage == QLatin1String("link") ? "outside" : ""));
        QVERIFY(!QFileInfo(target).isSymLink());
        QCOMPARE(game->Messages.size(), says.isEmpty() ? 0 : 1);
        if (says.isEmpty())
            return;
        QVERIFY2(game->Messages[0].contains(target) && game->Messages[0].contains(says), qPrintable(game->Messages[0]));
        QCOMPARE(game->Board().Label1->text(), QStringLiteral("00 : 05"));
        QVERIFY(window.Form->isVisible());
    }

    // A start sweeps away what a copy killed while writing its journal left: the journal's temporaries, nothing else.
    void startSweepsStrayJournals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("stays");
        const auto row = [](const char* what, const char* name, const char* kind, bool stays) {
            QTest::newRow(what) << QString::fromLatin1(name) << QString::fromLatin1(kind) << stays;
        };
        row("the journal's temporary", ".dezudor-copy.k3Fq9Z", "file", false);
        row("a link of that name, not its target", ".dezudor-copy.Ab12Cd", "link", false);
        row("a folder of that name", ".dezudor-copy.d", "folder", true);
        row("a name that only begins alike", ".dezudor-copyist", "file", true);
        row("another file's temporary", "scores.txt.k3Fq9Z", "file", true);
    }

    void startSweepsStrayJournals()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(bool, stays);
        QTemporaryDir outside;
        const QString target = outside.filePath("target");
        WriteFile(target, "kept");
        const QString path = game->FilePath(name);
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(game->Folder()).mkdir(name));
        else if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(target, path));
        else
            WriteFile(path, "stray");
        const QList<QByteArray> before = pieces();
        PictureSetChoice::FinishInterruptedChoice();
        QCOMPARE(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), stays);
        QCOMPARE(FileBytes(target), QByteArray("kept"));
        QCOMPARE(pieces(), before);
        QVERIFY(game->Messages.isEmpty());
    }

    // Not modal: the board moves and its clock runs while the window is open.
    void boardPlaysOn()
    {
        OptionsControls& window = open();
        ShowLayout({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 14, 15});
        QTest::mouseClick(game->Board().Picture1[14], Qt::LeftButton);
        QCOMPARE(game->PictureAt(13), 14);
        QVERIFY(game->Board().Timer1->isActive() && window.Form->isVisible());
        QCOMPARE(OptionsTexts::ScreenText(HelpText), QString(HelpText).remove(QLatin1Char('\r')));
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"

#include "boardcontrols.h"
#include "boardevents.h"
#include "highcontrols.h"
#include "hightabcontrols.h"
#include "imagedifference.h"
#include "keyboard.h"
#include "options.h"
#include "optionscontrols.h"
#include "optionstexts.h"
#include "testgame.h"

#include <QFile>
#include <QTabBar>
#include <QTest>

#include <memory>

namespace {

const QString Prompt = QStringLiteral("Kattints valamelyik képre!");
const QString Contact = QStringLiteral("Kapcsolat: ") + OptionsTexts::ContactAddress();

const QString HelpText
    = QStringLiteral("A játék kétféleképpen is irányítható: \n\r\n\r"
                     "Egérrel\n\r\n\r"
                     "Kattintsunk arra a négyzetre, amelyet az üres helyre akarunk mozgatni.\n\r\n\r"
                     "Kurzormozgató nyilakkal:\n\r\n\r"
                     "Használjuk azt a nyilat, amelyik irányba a kiszemelt négyzetet mozgatni akarjuk.\n\r\n\r"
                     "Ha rekordot értünk el, beírhatjuk a nevünket a csúcstartók listájába.\n\r\n\r");

} // namespace

class TestOptionsWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestGame> game;

    // Opens the window with the main window's options button.
    options& open()
    {
        QTest::mouseClick(game->Board().Command3, Qt::LeftButton);
        return *static_cast<options*>(Forms::options.Window());
    }

    static void selectTab(options& window, int tab)
    {
        auto* bar = window.SSTab1->findChild<QTabBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        QCOMPARE(window.SSTab1->currentIndex(), tab);
    }

    // Runs a script of steps: "t<tab>" selects a tab, "p<k>" clicks thumbnail k.
    static void play(options& window, const QStringList& steps)
    {
        for (const QString& step : steps) {
            const int n = step.mid(1).toInt();
            if (step.startsWith(QLatin1Char('t')))
                selectTab(window, n);
            else
                QTest::mouseClick(window.Picture3[n], Qt::LeftButton);
        }
    }

private slots:
    void init()
    {
        game = std::make_unique<TestGame>(11);
        game->Board().Form->show();
    }

    void cleanup()
    {
        game.reset();
        QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(", ")));
    }

    void windowHasItsLayout()
    {
        options& window = open();
        QVERIFY(window.Form->isVisible());
        QVERIFY(!window.isModal());
        QVERIFY(!window.parentWidget());
        QCOMPARE(window.Form->windowTitle(), QStringLiteral("Beállítások"));
        QVERIFY(!window.Form->windowIcon().isNull());
        QCOMPARE(window.Form->size(), QSize(379, 297));
        QCOMPARE(window.SSTab1->count(), 3);
        QCOMPARE(window.SSTab1->tabText(0), QStringLiteral("Képválasztás"));
        QCOMPARE(window.SSTab1->tabText(1), QStringLiteral("Irányítás"));
        QCOMPARE(window.SSTab1->tabText(2), QStringLiteral("Névjegy"));
        QCOMPARE(window.Command1->text(), QStringLiteral("OK"));
        QCOMPARE(window.Command2->text(), QStringLiteral("Mégsem"));
        QCOMPARE(window.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(window.Label1->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(window.Label1->font().bold());
        QCOMPARE(window.Picture1->Picture().size(), QSize(83, 83));
        QCOMPARE(window.Picture2->Picture().size(), QSize(162, 52));
        // The about page's numbered tiles are thumbnail 0's art, one pixel larger.
        const double difference
            = ImageDifference(window.Picture1->Picture().toImage(), window.Picture3[0]->Picture().toImage());
        QVERIFY2(difference < 20, qPrintable(QString::number(difference)));
    }

    void thumbnailsStandInTwoRowsOfThree_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QPoint>("inWindow");
        QTest::addColumn<QString>("title");
        QTest::newRow("0, top left") << 0 << QRect(24, 24, 82, 82) << QPoint(40, 56) << "Standard";
        QTest::newRow("2, top right") << 2 << QRect(240, 24, 82, 82) << QPoint(256, 56) << "Lion King";
        QTest::newRow("3, bottom left") << 3 << QRect(24, 120, 82, 82) << QPoint(40, 152) << "Taj Mahal";
        QTest::newRow("4, bottom middle") << 4 << QRect(132, 120, 82, 82) << QPoint(148, 152) << "Orsinda";
    }

    void thumbnailsStandInTwoRowsOfThree()
    {
        QFETCH(int, index);
        QFETCH(QRect, geometry);
        QFETCH(QPoint, inWindow);
        QFETCH(QString, title);
        options& window = open();
        selectTab(window, OptionsTexts::PictureTab);
        QCOMPARE(window.Picture3[index]->parentWidget(), window.Frame1);
        QCOMPARE(window.Picture3[index]->geometry(), geometry);
        QCOMPARE(window.Picture3[index]->mapTo(&window, QPoint(0, 0)), inWindow);
        QCOMPARE(window.Picture3[index]->accessibleName(), title);
        QCOMPARE(window.Picture3[index]->Picture().size(), QSize(82, 82));
    }

    // Each thumbnail shows its own set: no two of them are alike.
    void thumbnailsDiffer()
    {
        options& window = open();
        for (int a = 0; a < 6; ++a)
            for (int b = a + 1; b < 6; ++b)
                QVERIFY2(window.Picture3[a]->Picture().toImage() != window.Picture3[b]->Picture().toImage(),
                    qPrintable(QStringLiteral("thumbnails %1 and %2").arg(a).arg(b)));
    }

    void aboutPageNamesGameVersionPicturesAndLicence()
    {
        options& window = open();
        QStringList texts;
        for (QLabel* label : window.AboutLabels) {
            QCOMPARE(label->parentWidget(), window.Frame4);
            QCOMPARE(label->font().family(), QStringLiteral("Arial"));
            texts.append(label->text());
        }
        const QString about = texts.join(QLatin1Char('\n'));
        QVERIFY(about.contains(QStringLiteral("Dezudor játék")));
        QVERIFY(about.contains(QStringLiteral(DEZUDOR_VERSION)));
        QVERIFY(about.contains(QStringLiteral("program rajzolja")));
        QVERIFY(about.contains(QStringLiteral("MIT")));
    }

    void firstOpeningShowsTheAboutPage()
    {
        options& window = open();
        QCOMPARE(window.SSTab1->currentIndex(), int(OptionsTexts::AboutTab));
        QVERIFY(window.Label1->text().isEmpty());
        QCOMPARE(window.Label6->text(), HelpText);
    }

    void statusLineFollowsTabsAndThumbnails_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("status");
        QTest::newRow("picture tab") << QStringList{"t0"} << Prompt;
        QTest::newRow("help tab") << QStringList{"t1"} << QString();
        QTest::newRow("about from help") << QStringList{"t1", "t2"} << Contact;
        QTest::newRow("thumbnail 0") << QStringList{"t0", "p0"} << "Standard";
        QTest::newRow("thumbnail 1") << QStringList{"t0", "p1"} << "Velkaro festmény";
        QTest::newRow("thumbnail 2") << QStringList{"t0", "p2"} << "Lion King";
        QTest::newRow("thumbnail 4") << QStringList{"t0", "p4"} << "Orsinda";
        QTest::newRow("last of two thumbnails") << QStringList{"t0", "p5", "p3"} << "Taj Mahal";
        QTest::newRow("title gone on help") << QStringList{"t0", "p3", "t1"} << QString();
        QTest::newRow("prompt back, not title") << QStringList{"t0", "p3", "t1", "t0"} << Prompt;
    }

    void statusLineFollowsTabsAndThumbnails()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, status);
        options& window = open();
        play(window, steps);
        QCOMPARE(window.Label1->text(), status);
    }

    // OK hides the window with its state; "Mégsem" and the close box discard it.
    void reopeningAfterLeaving_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("status");
        QTest::newRow("OK") << "ok" << int(OptionsTexts::PictureTab) << Prompt;
        QTest::newRow("Mégsem") << "cancel" << int(OptionsTexts::AboutTab) << QString();
        QTest::newRow("close box") << "close" << int(OptionsTexts::AboutTab) << QString();
    }

    void reopeningAfterLeaving()
    {
        QFETCH(QString, leave);
        QFETCH(int, tab);
        QFETCH(QString, status);
        options* window = &open();
        selectTab(*window, OptionsTexts::PictureTab);
        if (leave == QLatin1String("ok")) {
            QTest::mouseClick(window->Command1, Qt::LeftButton);
            QVERIFY(Forms::options.IsLoaded());
        } else {
            if (leave == QLatin1String("cancel"))
                QTest::mouseClick(window->Command2, Qt::LeftButton);
            else
                window->close();
            QVERIFY(!Forms::options.IsLoaded());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(!Forms::options.IsLoaded() || Forms::options.Window()->isHidden());

        window = &open();
        QVERIFY(window->isVisible());
        QCOMPARE(window->SSTab1->currentIndex(), tab);
        QCOMPARE(window->Label1->text(), status);
        QCOMPARE(window->Label6->text(), HelpText);
    }

    // From the about page: the arrows on the tab bar, Tab into the pictures,
    // the arrows among them, then the keys that choose and confirm.
    void keyboardChoosesAndConfirms_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("copied");
        QTest::newRow("Space on 4, Enter on OK")
            << QStringList{"<Left>", "<Left>", "<Tab>", "<Right>", "<Down>", "<Space>", "<Tab>", "<Tab>", "<Enter>"}
            << "Orsinda"
            << "z";
        QTest::newRow("Enter on 3, Space on OK")
            << QStringList{"<Left>", "<Left>", "<Tab>", "<Down>", "<Enter>", "<Tab>", "<Tab>", "<Tab>", "<Space>"}
            << "Taj Mahal"
            << "m";
        QTest::newRow("arrows stop at the edges") << QStringList{"<Left>", "<Left>", "<Tab>", "<Up>", "<Left>",
            "<Right>", "<Right>", "<Right>", "<Space>", "<Tab>", "<Tab>", "<Tab>", "<Tab>", "<Enter>"}
                                                  << "Lion King"
                                                  << "l";
        QTest::newRow("Escape after a choice")
            << QStringList{"<Left>", "<Left>", "<Tab>", "<Right>", "<Space>", "<Escape>"} << ""
            << "";
    }

    void keyboardChoosesAndConfirms()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, status);
        QFETCH(QString, copied);
        QFile piece(game->FilePath(QStringLiteral("1.jpg")));
        QVERIFY(piece.open(QIODevice::ReadOnly));
        const QByteArray before = piece.readAll();
        piece.close();
        options& window = open();
        QVERIFY(QTest::qWaitForWindowActive(window.Form));
        PressKeys(steps);

        // OK keeps the window hidden with its status line; Escape unloads it.
        QCOMPARE(Forms::options.IsLoaded(), !copied.isEmpty());
        if (Forms::options.IsLoaded()) {
            QVERIFY(window.isHidden());
            QCOMPARE(window.Label1->text(), status);
        }
        QVERIFY(piece.open(QIODevice::ReadOnly));
        QFile set(game->FilePath(copied + QStringLiteral("1.jpg")));
        QVERIFY(copied.isEmpty() || set.open(QIODevice::ReadOnly));
        QCOMPARE(piece.readAll(), copied.isEmpty() ? before : set.readAll());
    }

    void helpTextBreaksWithLfCr()
    {
        const QString text = open().Label6->text();
        QCOMPARE(text.count(QStringLiteral("\n\r")), 12);
        QCOMPARE(text.count(QLatin1Char('\n')), 12);
        QCOMPARE(text.count(QLatin1Char('\r')), 12);
        QVERIFY(text.endsWith(QStringLiteral("\n\r")));
        QVERIFY(!text.contains(QStringLiteral("\r\n\r\n\r\n")));
    }

    // On screen each LF CR is one line break: a paragraph is one empty line.
    void helpTextShowsOneBreakPerPair()
    {
        const QString screen = OptionsTexts::ScreenText(open().Label6->text());
        QVERIFY(!screen.contains(QLatin1Char('\r')));
        const QStringList lines = screen.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[0], QStringLiteral("A játék kétféleképpen is irányítható: "));
        QVERIFY(lines[1].isEmpty());
        QCOMPARE(lines[2], QStringLiteral("Egérrel"));
        QCOMPARE(lines[6], QStringLiteral("Kurzormozgató nyilakkal:"));
        QVERIFY(lines[11].isEmpty() && lines[12].isEmpty());
    }

    // The window is not modal: the board moves and its clock runs meanwhile.
    void boardStaysUsableWhileOpen()
    {
        open();
        // Two moves from solved, so the one click here does not end the game.
        game->SetBoard({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 14, 15});
        QTest::mouseClick(game->Board().Picture1[14], Qt::LeftButton);
        QCOMPARE(game->PictureAt(13), 14);
        QVERIFY(Forms::board.Load().Timer1->isActive());
        QVERIFY(Forms::options.Window()->isVisible());
    }

    void exitWhileOpenEndsProgramAndSavesRecords_data()
    {
        QTest::addColumn<bool>("hidden");
        QTest::newRow("visible") << false;
        QTest::newRow("hidden by OK") << true;
    }

    void exitWhileOpenEndsProgramAndSavesRecords()
    {
        QFETCH(bool, hidden);
        options& window = open();
        if (hidden)
            QTest::mouseClick(window.Command1, Qt::LeftButton);
        Forms::hightab.Load().List1->addItem(QStringLiteral("Anna"));
        Forms::hightab.Load().List2->addItem(QStringLiteral("01 : 05"));
        QTest::mouseClick(game->Board().Command1, Qt::LeftButton);
        QVERIFY(game->ProgramEnded);
        QVERIFY(!Forms::options.IsLoaded());
        QFile scores(game->FilePath(QStringLiteral("scores.txt")));
        QVERIFY(scores.open(QIODevice::ReadOnly));
        QVERIFY(scores.readAll().contains("Anna"));
    }
};

QTEST_MAIN(TestOptionsWindow)
#include "tst_options_window.moc"

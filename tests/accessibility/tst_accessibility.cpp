// What a screen reader receives from the game: the events of moves, title
// changes and the end, and the roles and names of every window's elements.
#include "boardcontrols.h"
#include "high.h"
#include "highcontrols.h"
#include "hightab.h"
#include "hightabcontrols.h"
#include "module1.h"
#include "options.h"
#include "optionscontrols.h"
#include "recordfile.h"
#include "testgame.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

namespace {

QAccessibleInterface* element(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// Blank at box 10: the left arrow brings piece 11 from box 11, the up arrow
// piece 15 from box 14.
constexpr std::array<int, 16> BlankAtTen{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16, 11, 13, 14, 15, 12};
// Blank at the right edge, box 11: the left arrow moves nothing.
constexpr std::array<int, 16> BlankAtEleven{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 13, 14, 15, 12};

using Layout = std::array<int, 16>;

// What the game told a screen reader since the last clear: event and object.
QList<QPair<QAccessible::Event, QObject*>>& heard()
{
    static QList<QPair<QAccessible::Event, QObject*>> events;
    return events;
}

void listen(QAccessibleEvent* event)
{
    heard().append({event->type(), event->object()});
}

bool wasHeard(QAccessible::Event type, QObject* object)
{
    return heard().contains({type, object});
}

bool anyHeard(QAccessible::Event type)
{
    return std::any_of(heard().cbegin(), heard().cend(), [type](const auto& event) { return event.first == type; });
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    // Events reach the handler only while the platform counts a reader as present.
    void initTestCase()
    {
        QAccessible::installUpdateHandler(listen);
        QPlatformAccessibility* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(accessibility);
        accessibility->setActive(true);
    }

    void init() { game = std::make_unique<TestGame>(5); }

    void cleanup()
    {
        game.reset();
        QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(", ")));
    }

    void eachMoveIsHeard_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("title");
        QTest::newRow("left arrow") << BlankAtTen << "Left"
                                    << "3. sor, 3. oszlop: 11. darab"
                                    << "   1. lépés";
        QTest::newRow("up arrow") << BlankAtTen << "Up"
                                  << "3. sor, 3. oszlop: 15. darab"
                                  << "   1. lépés";
        QTest::newRow("click beside the blank") << BlankAtTen << "click 11"
                                                << "3. sor, 3. oszlop: 11. darab"
                                                << "   1. lépés";
        QTest::newRow("click two cells away counts, stays put") << BlankAtTen << "click 8"
                                                                << "3. sor, 1. oszlop: 9. darab"
                                                                << "   1. lépés";
        QTest::newRow("arrow at the edge says nothing") << BlankAtEleven << "Left"
                                                        << ""
                                                        << "";
        QTest::newRow("letter says nothing") << BlankAtTen << "A"
                                             << ""
                                             << "";
    }

    void eachMoveIsHeard()
    {
        QFETCH(Layout, layout);
        QFETCH(QString, input);
        QFETCH(QString, focused);
        QFETCH(QString, title);
        BoardControls& window = activeBoard();
        game->SetBoard(layout);
        window.Form->setWindowTitle(QStringLiteral("   0. lépés"));
        QWidget* before = QApplication::focusWidget();
        heard().clear();

        if (input.startsWith(QLatin1String("click ")))
            QTest::mouseClick(window.Picture1[input.mid(6).toInt()], Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(),
                input == QLatin1String("A")        ? Qt::Key_A
                    : input == QLatin1String("Up") ? Qt::Key_Up
                                                   : Qt::Key_Left);

        // A reader speaks what has the focus and the window's name.
        if (focused.isEmpty()) {
            QCOMPARE(QApplication::focusWidget(), before);
            QVERIFY(!anyHeard(QAccessible::Focus));
            QVERIFY(!anyHeard(QAccessible::NameChanged));
        } else {
            QCOMPARE(element(QApplication::focusWidget())->text(QAccessible::Name), focused);
            QVERIFY(wasHeard(QAccessible::Focus, QApplication::focusWidget()));
            QVERIFY(wasHeard(QAccessible::NameChanged, window.Form));
        }
        QCOMPARE(
            element(window.Form)->text(QAccessible::Name), title.isEmpty() ? QStringLiteral("   0. lépés") : title);
    }

    void theEndIsHeard_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("record");
        QTest::newRow("arrow, record follows") << "Left" << true;
        QTest::newRow("arrow, no record") << "Left" << false;
        QTest::newRow("click, record follows") << "click 15" << true;
    }

    void theEndIsHeard()
    {
        QFETCH(QString, input);
        QFETCH(bool, record);
        BoardControls& window = activeBoard();
        window.Timer1->stop();
        for (int second = 0; second < 7; ++second)
            BoardEvents::Timer1_Timer();
        for (int slot = 0; slot < 10 && !record; ++slot)
            Module1::RecordSeconds[slot] = 1;
        game->SetBoard(OneMoveFromSolved);
        heard().clear();

        if (input == QLatin1String("Left"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        else
            QTest::mouseClick(window.Picture1[15], Qt::LeftButton);

        const QString end = QStringLiteral("Kész: a kép kirakva, idő 00 : 07, 1 lépés");
        QCOMPARE(element(window.Picture2)->text(QAccessible::Name), end);
        QVERIFY(wasHeard(QAccessible::Alert, window.Picture2));
        // "Újra" holds the keyboard after the end and says it.
        QCOMPARE(element(window.Command2)->text(QAccessible::Description), end);
        QVERIFY(wasHeard(QAccessible::Focus, window.Command2));
        if (!record)
            QCOMPARE(QApplication::focusWidget(), window.Command2);
        QCOMPARE(Forms::high.IsLoaded() && Forms::high.Window()->isVisible(), record);
    }

    void elementsHaveRolesAndNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("main window") << "board" << int(QAccessible::Window) << "Dezudor játék"
                                     << "";
        QTest::newRow("clock") << "board.Label1" << int(QAccessible::StaticText) << "Játékidő"
                               << "Játékidő";
        QTest::newRow("record entry") << "high" << int(QAccessible::Dialog) << "Felvétel a rekord listába"
                                      << "";
        QTest::newRow("name box") << "high.Text1" << int(QAccessible::EditableText) << "Név"
                                  << "";
        QTest::newRow("time box") << "high.Text2" << int(QAccessible::EditableText) << "Időeredmény"
                                  << "";
        QTest::newRow("record list") << "hightab" << int(QAccessible::Dialog) << "Rekordlista"
                                     << "";
        QTest::newRow("names") << "hightab.List1" << int(QAccessible::List) << "Név"
                               << "";
        QTest::newRow("times") << "hightab.List2" << int(QAccessible::List) << "Idő"
                               << "";
        QTest::newRow("options") << "options" << int(QAccessible::Dialog) << "Beállítások"
                                 << "";
        QTest::newRow("thumbnail") << "options.Picture3" << int(QAccessible::Graphic) << "Taj Mahal"
                                   << "";
        QTest::newRow("about picture") << "options.Picture1" << int(QAccessible::Graphic) << "Számozott négyzetek"
                                       << "";
    }

    void elementsHaveRolesAndNames()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QAccessibleInterface* found = element(controlNamed(control));
        QCOMPARE(int(found->role()), role);
        QCOMPARE(found->text(QAccessible::Name), name);
        QCOMPARE(found->text(QAccessible::Description), description);
    }

    void helpTextReadsAsParagraphs()
    {
        const QString help = element(Forms::options.Load().Label6)->text(QAccessible::Name);
        QVERIFY(!help.contains(QLatin1Char('\r')));
        QCOMPARE(help.count(QLatin1Char('\n')), 5);
        QVERIFY(help.contains(QStringLiteral("Egérrel\nKattintsunk")));
    }

    void boardIsAGridOfCells_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("top left") << 0 << 0;
        QTest::newRow("row 2, column 1") << 2 << 1;
        QTest::newRow("bottom right") << 3 << 3;
    }

    void boardIsAGridOfCells()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        BoardControls& window = game->Board();
        QAccessibleInterface* grid = element(window.Form)->child(0);
        QCOMPARE(grid->role(), QAccessible::Table);
        QCOMPARE(grid->tableInterface()->rowCount(), 4);
        QCOMPARE(grid->tableInterface()->columnCount(), 4);
        QAccessibleInterface* cell = grid->tableInterface()->cellAt(row, column);
        QCOMPARE(cell->object(), window.Picture1[4 * row + column]);
        QCOMPARE(cell->parent(), grid);
        QCOMPARE(grid->indexOfChild(cell), 4 * row + column);
        QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
        QCOMPARE(cell->tableCellInterface()->columnIndex(), column);
        // The tiles hang under the grid only, not under the window too.
        for (int i = 1; i < element(window.Form)->childCount(); ++i)
            QVERIFY(element(window.Form)->child(i)->role() != QAccessible::Cell);
    }

    void recordRowReadsNameAndTime()
    {
        HightabControls& list = Forms::hightab.Load();
        list.List1->addItem(QStringLiteral("Kata"));
        list.List2->addItem(QStringLiteral("00 : 12"));
        for (QListWidget* column : {list.List1, list.List2})
            QCOMPARE(element(column)->tableInterface()->cellAt(0, 0)->text(QAccessible::Name),
                QStringLiteral("Kata, 00 : 12"));
    }

private:
    BoardControls& activeBoard()
    {
        BoardControls& window = game->Board();
        window.Form->show();
        window.Form->activateWindow();
        if (!QTest::qWaitForWindowActive(window.Form))
            qFatal("the main window did not become active");
        return window;
    }

    QWidget* controlNamed(const QString& path)
    {
        auto& main = Forms::board.Load();
        auto& entry = Forms::high.Load();
        auto& records = Forms::hightab.Load();
        auto& settings = Forms::options.Load();
        const QHash<QString, QWidget*> controls{
            {QStringLiteral("board"), main.Form},
            {QStringLiteral("board.Label1"), main.Label1},
            {QStringLiteral("board.Command1"), main.Command1},
            {QStringLiteral("board.Command2"), main.Command2},
            {QStringLiteral("high"), entry.Form},
            {QStringLiteral("high.Text1"), entry.Text1},
            {QStringLiteral("high.Text2"), entry.Text2},
            {QStringLiteral("hightab"), records.Form},
            {QStringLiteral("hightab.List1"), records.List1},
            {QStringLiteral("hightab.List2"), records.List2},
            {QStringLiteral("options"), settings.Form},
            {QStringLiteral("options.Picture3"), settings.Picture3[3]},
            {QStringLiteral("options.Picture1"), settings.Picture1},
        };
        return controls.value(path);
    }

    std::unique_ptr<TestGame> game;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

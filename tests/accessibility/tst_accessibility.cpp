#include "windowtest.h"

#include <QAccessible>
#include <QApplication>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

using Layout = std::array<int, 16>;
constexpr Layout BlankAtTen{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16, 11, 13, 14, 15, 12};
constexpr Layout BlankAtEleven{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 13, 14, 15, 12};

QList<QPair<QAccessible::Event, QObject*>> heard;
QStringList announced; // what shown notifications said

QString nameOf(QObject* object, QAccessible::Text text = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

} // namespace

class AccessibilityTest : public WindowTest {
    Q_OBJECT

private slots:
    // Events reach the handler only while the platform counts a reader as present.
    void initTestCase()
    {
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            heard.append({event->type(), event->object()});
            if (event->type() == QAccessible::ObjectShow
                && event->accessibleInterface()->role() == QAccessible::Notification)
                announced.append(event->accessibleInterface()->text(QAccessible::Name));
        });
        QPlatformAccessibility* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(accessibility);
        accessibility->setActive(true);
    }

    void eachMoveIsHeard_data()
    {
        QTest::addColumn<bool>("atEdge"); // the blank in the right column, else in box 10
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("focused"); // empty: the focus stays
        QTest::addColumn<QString>("told");    // the focused box's description
        QTest::addColumn<QString>("said");    // a notification
        const auto row = [](const char* name, bool atEdge, const char* input, const char* focused, const char* told,
                             const char* said) {
            QTest::newRow(name) << atEdge << QString(input) << QString(focused) << QString(told) << QString(said);
        };
        row("left arrow", false, "<Left>", "3. sor, 4. oszlop: üres mező", "11. darab balra, 1. lépés", "");
        row("up arrow", false, "<Up>", "4. sor, 3. oszlop: üres mező", "15. darab fel, 1. lépés", "");
        row("down arrow", false, "<Down>", "2. sor, 3. oszlop: üres mező", "7. darab le, 1. lépés", "");
        row("right arrow", false, "<Right>", "3. sor, 2. oszlop: üres mező", "10. darab jobbra, 1. lépés", "");
        row("arrow at the edge", true, "<Left>", "", "", "Semmi sem mozdul balra");
        row("click beside the blank", false, "click 11", "3. sor, 4. oszlop: üres mező", "",
            "3. sor, 4. oszlop: üres mező. 11. darab balra, 1. lépés");
        row("click two cells away", false, "click 8", "3. sor, 1. oszlop: 9. darab", "", "");
        row("a letter", false, "a", "", "", "");
    }

    void eachMoveIsHeard()
    {
        QFETCH(bool, atEdge);
        QFETCH(QString, input);
        QFETCH(QString, focused);
        QFETCH(QString, told);
        QFETCH(QString, said);
        BoardControls& window = ActiveBoard();
        ShowLayout(atEdge ? BlankAtEleven : BlankAtTen);
        window.Picture1[atEdge ? 11 : 10]->setFocus();
        QWidget* before = QApplication::focusWidget();
        heard.clear();
        announced.clear();

        Play(input);

        QWidget* now = QApplication::focusWidget();
        QCOMPARE(nameOf(now), focused.isEmpty() ? nameOf(before) : focused);
        QCOMPARE(nameOf(now, QAccessible::Description), told);
        QCOMPARE(heard.contains({QAccessible::Focus, now}), now != before);
        QCOMPARE(announced, said.isEmpty() ? QStringList() : QStringList{said});
        // The description is the last move's only while its box has the focus.
        if (!told.isEmpty()) {
            PressKeys({"<Tab>"});
            QCOMPARE(nameOf(now, QAccessible::Description), QString());
        }
        QCOMPARE(
            nameOf(window.Form), QStringLiteral("   %1. lépés").arg(int(input.startsWith("c") || !told.isEmpty())));
    }

    void theEndIsHeard_data()
    {
        QTest::addColumn<bool>("record");
        QTest::newRow("record follows") << true;
        QTest::newRow("no record") << false;
    }

    void theEndIsHeard()
    {
        QFETCH(bool, record);
        BoardControls& window = ActiveBoard();
        window.Timer1->stop();
        Tick(7);
        if (!record)
            std::fill(std::begin(Module1::RecordSeconds), std::end(Module1::RecordSeconds), 1);
        ShowLayout(OneMoveFromSolved);
        heard.clear();

        PressKeys({"<Left>"});

        const QString end = nameOf(window.Picture2);
        QCOMPARE(end, QStringLiteral("Kész: a kép kirakva, idő 00 : 07, 1 lépés"));
        QVERIFY(heard.contains({QAccessible::Alert, window.Picture2}));
        QCOMPARE(nameOf(window.Command2, QAccessible::Description), end);
        QCOMPARE(Forms::high.IsLoaded() && Forms::high.Window()->isVisible(), record);
        // The record-entry window's first focus says the end and why it opened.
        if (record)
            QCOMPARE(nameOf(Forms::high.Window()->focusWidget(), QAccessible::Description),
                end + QStringLiteral(". Új rekord, írd be a neved!"));
        else
            QVERIFY(heard.contains({QAccessible::Focus, window.Command2}));
    }

    void theRecordListOpensOnTheNewRecord_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<int>("row");
        QTest::newRow("first record") << QByteArray() << 0;
        QTest::newRow("between two records") << QByteArray("Anna\r\n00 : 05\r\nBence\r\n00 : 09\r\n") << 1;
    }

    void theRecordListOpensOnTheNewRecord()
    {
        QFETCH(QByteArray, records);
        QFETCH(int, row);
        WriteFile(game->FilePath(QStringLiteral("scores.txt")), records);
        BoardControls& window = ActiveBoard();
        window.Timer1->stop();
        Tick(7);
        ShowLayout(OneMoveFromSolved);
        PressKeys({"<Left>", "Kata", "<Enter>"});

        HightabControls& list = Forms::hightab.Load();
        QCOMPARE(list.Form->focusWidget(), list.List1);
        QCOMPARE(list.List1->currentRow(), row);
        // The times follow the names without taking a reader's attention.
        heard.clear();
        list.List1->setCurrentRow(row == 0 ? 1 : 0);
        QCOMPARE(list.List2->currentRow(), list.List1->currentRow());
        QVERIFY(!heard.contains({QAccessible::Focus, list.List2}));
    }

    void aChoiceIsChecked_data()
    {
        QTest::addColumn<int>("chosen"); // -1: none since the start
        QTest::newRow("none yet") << -1;
        QTest::newRow("Taj Mahal") << 3;
    }

    void aChoiceIsChecked()
    {
        QFETCH(int, chosen);
        OptionsControls& options = Forms::options.Load();
        heard.clear();
        if (chosen >= 0)
            emit options.Picture3[chosen]->Click(chosen);
        for (int k = 0; k < 6; ++k) {
            QAccessibleInterface* thumbnail = QAccessible::queryAccessibleInterface(options.Picture3[k]);
            QVERIFY(thumbnail->state().checkable);
            QCOMPARE(bool(thumbnail->state().checked), k == chosen);
            QCOMPARE(heard.contains({QAccessible::StateChanged, options.Picture3[k]}), chosen >= 0);
        }
    }

    void theHelpTextTakesTheFocus()
    {
        OptionsControls& options = Forms::options.Load();
        Forms::options.Show();
        QVERIFY(QTest::qWaitForWindowActive(options.Form));
        options.SSTab1->setCurrentIndex(OptionsTexts::HelpTab);
        options.SSTab1->tabBar()->setFocus();
        PressKeys({"<Tab>"});
        QCOMPARE(QApplication::focusWidget(), options.Label6);
    }

    // Every piece of every text: no query may run for ever, and a piece is
    // what the text holds between its bounds.
    void textQueriesEnd_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("lastWord");
        QTest::newRow("name box") << 0 << "Névtelen";
        QTest::newRow("emptied name box") << 1 << "";
        QTest::newRow("time box") << 2 << "07";
        QTest::newRow("clock") << 3 << "07";
        QTest::newRow("help text") << 4 << ".";
    }

    void textQueriesEnd()
    {
        QFETCH(int, control);
        QFETCH(QString, lastWord);
        QLabel* clock = game->Board().Label1;
        Tick(7);
        HighControls& high = Forms::high.Load();
        high.Text2->setText(clock->text());
        if (control == 1)
            high.Command2->click();
        QAccessibleTextInterface* text
            = QAccessible::queryAccessibleInterface(QList<QWidget*>{high.Text1, high.Text1, high.Text2,
                                                        game->Board().Label1, Forms::options.Load().Label6}[control])
                  ->textInterface();
        QVERIFY(text);
        const QString all = text->text(0, text->characterCount());
        int start = 0;
        int end = 0;
        QCOMPARE(text->textAtOffset(-1, QAccessible::WordBoundary, &start, &end).trimmed(), lastWord);
        for (int boundary = QAccessible::CharBoundary; boundary <= QAccessible::NoBoundary; ++boundary)
            for (int offset = -2; offset <= all.size() + 1; ++offset)
                for (const auto& query : {&QAccessibleTextInterface::textBeforeOffset,
                         &QAccessibleTextInterface::textAtOffset, &QAccessibleTextInterface::textAfterOffset}) {
                    const QString piece = (text->*query)(offset, QAccessible::TextBoundaryType(boundary), &start, &end);
                    QCOMPARE(piece, start < 0 ? QString() : all.mid(start, end - start));
                }
    }

    void elementsHaveRolesAndNames_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("main window") << 0 << int(QAccessible::Window) << "Dezudor játék";
        QTest::newRow("clock, with the time") << 1 << int(QAccessible::StatusBar) << "Játékidő: 00 : 00";
        QTest::newRow("new game, its tip said once") << 7 << int(QAccessible::Button) << "Újra";
        QTest::newRow("name box") << 2 << int(QAccessible::EditableText) << "Név";
        QTest::newRow("time box") << 3 << int(QAccessible::EditableText) << "Időeredmény";
        QTest::newRow("times list") << 4 << int(QAccessible::List) << "Idő";
        QTest::newRow("thumbnail") << 5 << int(QAccessible::RadioButton) << "Taj Mahal";
        QTest::newRow("a row of the records") << 6 << int(QAccessible::ListItem) << "Kata, 00 : 12";
        QTest::newRow("name and version, said as one")
            << 8 << int(QAccessible::StaticText) << QStringLiteral("Dezudor játék, verzió: ") + OptionsTexts::Version();
        QTest::newRow("the tabs' page stack, no place of its own") << 9 << int(QAccessible::Grouping) << "";
    }

    void elementsHaveRolesAndNames()
    {
        QFETCH(int, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        HightabControls& list = Forms::hightab.Load();
        list.List1->addItem(QStringLiteral("Kata"));
        list.List2->addItem(QStringLiteral("00 : 12"));
        OptionsControls& options = Forms::options.Load();
        QAccessibleInterface* found = QAccessible::queryAccessibleInterface(
            QList<QObject*>{game->Board().Form, Forms::board.Load().Label1, Forms::high.Load().Text1,
                Forms::high.Load().Text2, list.List2, options.Picture3[3], list.List1, Forms::board.Load().Command2,
                options.AboutLabels[0], options.SSTab1->findChild<QStackedWidget*>()}[control]);
        if (control == 6)
            found = found->tableInterface()->cellAt(0, 0);
        QCOMPARE(int(found->role()), role);
        QCOMPARE(found->text(QAccessible::Name), name);
        if (role == QAccessible::Button || role == QAccessible::StatusBar)
            QCOMPARE(found->text(QAccessible::Description), QString());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"

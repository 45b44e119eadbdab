#include "windowtest.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

using Layout = std::array<int, 16>;
constexpr Layout BlankAtTen{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16, 11, 13, 14, 15, 12};

QList<QPair<QAccessible::Event, QObject*>> heard;

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
        });
        QPlatformAccessibility* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(accessibility);
        accessibility->setActive(true);
    }

    void eachMoveIsHeard_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("focused"); // empty: nothing is said
        const auto row = [](const char* name, const char* input, const char* focused) {
            QTest::newRow(name) << QString(input) << QString(focused);
        };
        row("left arrow", "<Left>", "3. sor, 3. oszlop: 11. darab");
        row("up arrow", "<Up>", "3. sor, 3. oszlop: 15. darab");
        row("click beside the blank", "click 11", "3. sor, 3. oszlop: 11. darab");
        row("click two cells away", "click 8", "3. sor, 1. oszlop: 9. darab");
        row("a letter", "a", "");
    }

    void eachMoveIsHeard()
    {
        QFETCH(QString, input);
        QFETCH(QString, focused);
        BoardControls& window = ActiveBoard();
        ShowLayout(BlankAtTen);
        window.Form->setWindowTitle(QStringLiteral("   0. lépés"));
        QWidget* before = QApplication::focusWidget();
        heard.clear();

        Play(input);

        QWidget* now = QApplication::focusWidget();
        QCOMPARE(nameOf(now), focused.isEmpty() ? nameOf(before) : focused);
        QCOMPARE(heard.contains({QAccessible::Focus, now}), !focused.isEmpty());
        QCOMPARE(heard.contains({QAccessible::NameChanged, window.Form}), !focused.isEmpty());
        QCOMPARE(nameOf(window.Form), QStringLiteral("   %1. lépés").arg(focused.isEmpty() ? 0 : 1));
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
        QVERIFY(heard.contains({QAccessible::Focus, window.Command2}));
        QCOMPARE(Forms::high.IsLoaded() && Forms::high.Window()->isVisible(), record);
    }

    void elementsHaveRolesAndNames_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("main window") << 0 << int(QAccessible::Window) << "Dezudor játék";
        QTest::newRow("clock") << 1 << int(QAccessible::StaticText) << "Játékidő";
        QTest::newRow("new game, its tip said once") << 7 << int(QAccessible::Button) << "Újra";
        QTest::newRow("name box") << 2 << int(QAccessible::EditableText) << "Név";
        QTest::newRow("time box") << 3 << int(QAccessible::EditableText) << "Időeredmény";
        QTest::newRow("times list") << 4 << int(QAccessible::List) << "Idő";
        QTest::newRow("thumbnail") << 5 << int(QAccessible::Graphic) << "Taj Mahal";
        QTest::newRow("a row of the records") << 6 << int(QAccessible::ListItem) << "Kata, 00 : 12";
    }

    void elementsHaveRolesAndNames()
    {
        QFETCH(int, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        HightabControls& list = Forms::hightab.Load();
        list.List1->addItem(QStringLiteral("Kata"));
        list.List2->addItem(QStringLiteral("00 : 12"));
        QAccessibleInterface* found = QAccessible::queryAccessibleInterface(QList<QObject*>{game->Board().Form,
            Forms::board.Load().Label1, Forms::high.Load().Text1, Forms::high.Load().Text2, list.List2,
            Forms::options.Load().Picture3[3], list.List1, Forms::board.Load().Command2}[control]);
        if (control == 6)
            found = found->tableInterface()->cellAt(0, 0);
        QCOMPARE(int(found->role()), role);
        QCOMPARE(found->text(QAccessible::Name), name);
        if (role == QAccessible::Button)
            QCOMPARE(found->text(QAccessible::Description), QString());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"

// At scale 2, under a dark desktop with a large font, each window keeps its own colours and fonts, stacks its
// labels beneath its controls, and fits.
#include "optionstexts.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

namespace {

// A control that takes input or shows a picture (frames hold them; labels are checked by text).
bool solid(const QWidget* widget)
{
    return widget && widget->isVisible() && !qobject_cast<const QLabel*>(widget)
        && widget->metaObject() != &QFrame::staticMetaObject;
}

QRect placeIn(const QWidget* form, const QWidget* widget)
{
    return {widget->mapTo(form, QPoint()), widget->size()};
}

// A dark desktop theme's palette and large font, for the program and for each kind of control the theme styles.
void pushDesktopLook()
{
    for (const char* kind : {"", "QAbstractButton", "QLabel", "QAbstractItemView", "QLineEdit", "QTabBar"}) {
        QApplication::setPalette(QPalette(QColor(45, 45, 45)), *kind ? kind : nullptr);
        QApplication::setFont(QFont(QStringLiteral("Liberation Serif"), 20), *kind ? kind : nullptr);
    }
}

} // namespace

class HighDpiTest : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { pushDesktopLook(); }

    void eachWindowKeepsItsLook_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name : {"board", "options", "high", "hightab"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void eachWindowKeepsItsLook()
    {
        QFETCH(QString, window);
        game->Board();
        QWidget* form = window == "board" ? Forms::board.Window()
            : window == "options"         ? Forms::options.Load().Form
            : window == "high"            ? Forms::high.Load().Form
                                          : Forms::hightab.Load().Form;
        form->show();
        if (auto* tabs = form->findChild<QTabWidget*>())
            tabs->setCurrentIndex(OptionsTexts::AboutTab);
        pushDesktopLook(); // as a change of the desktop's theme does
        QVERIFY(form->palette().color(QPalette::Window).lightness() > 200);

        for (QWidget* child : form->findChildren<QWidget*>()) {
            if (!child->isVisible())
                continue;
            const QString name = child->metaObject()->className() + QStringLiteral(" ") + child->objectName();
            QVERIFY2(child->parentWidget()->rect().contains(child->geometry()), qPrintable(name + " is clipped"));
            // The desktop's colours mixed into the game's fall below 3 : 1.
            const QPalette& colours = child->palette();
            QVERIFY2(Contrast(colours.color(child->foregroundRole()), colours.color(child->backgroundRole())) >= 3,
                qPrintable(name + " is hard to read"));
            QVERIFY2(QFontInfo(child->font()).family() == child->font().family() && child->font().pointSizeF() <= 12,
                qPrintable(name + " is drawn in " + QFontInfo(child->font()).family()));
            for (QWidget* other : form->findChildren<QWidget*>()) {
                const QRect overlap = placeIn(form, child).intersected(placeIn(form, other));
                if (!solid(other) || child == other || child->isAncestorOf(other) || other->isAncestorOf(child)
                    || overlap.isEmpty())
                    continue;
                QVERIFY2(!solid(child), qPrintable(name + " overlaps " + other->metaObject()->className()));
                QVERIFY2(form->childAt(overlap.center()) != child,
                    qPrintable(name + " lies above " + other->metaObject()->className()));
            }
            QString text;
            if (auto* label = qobject_cast<QLabel*>(child); label && !label->wordWrap())
                text = label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(child))
                text = button->text();
            if (!text.contains(QLatin1Char('\n')))
                QVERIFY2(child->fontMetrics().horizontalAdvance(text) <= child->width(),
                    qPrintable(name + " does not fit \"" + text + "\""));
        }
    }
};

QTEST_MAIN(HighDpiTest)
#include "tst_highdpi.moc"

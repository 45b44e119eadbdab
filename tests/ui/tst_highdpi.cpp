// At scale 2 with a large font and a dark palette, each window stays light and fits.
#include "optionstexts.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QApplication>
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

} // namespace

class HighDpiTest : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setFont(QFont(QStringLiteral("Liberation Serif"), 20));
        QApplication::setPalette(QPalette(QColor(45, 45, 45)));
    }

    void nothingIsClippedOrOverlaps_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name : {"board", "options", "high", "hightab"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void nothingIsClippedOrOverlaps()
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
        QVERIFY(form->palette().color(QPalette::Window).lightness() > 200);

        for (QWidget* child : form->findChildren<QWidget*>()) {
            if (!child->isVisible())
                continue;
            const QString name = child->metaObject()->className() + QStringLiteral(" ") + child->objectName();
            QVERIFY2(child->parentWidget()->rect().contains(child->geometry()), qPrintable(name + " is clipped"));
            for (QWidget* other : form->findChildren<QWidget*>())
                if (solid(child) && solid(other) && !child->isAncestorOf(other) && !other->isAncestorOf(child)
                    && child != other)
                    QVERIFY2(!QRect(child->mapTo(form, QPoint()), child->size())
                                  .intersects(QRect(other->mapTo(form, QPoint()), other->size())),
                        qPrintable(name + " overlaps " + other->metaObject()->className()));
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

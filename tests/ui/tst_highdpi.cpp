// Runs with QT_SCALE_FACTOR=2 on a desktop with a large default font and a
// dark palette: every window doubles in pixels, keeps its size and layout,
// stays light, and its texts still fit their controls.
#include "boardcontrols.h"
#include "highcontrols.h"
#include "hightabcontrols.h"
#include "optionscontrols.h"
#include "optionstexts.h"
#include "testgame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

class TestHighDpi : public QObject {
    Q_OBJECT

private slots:
    // The desktop's settings, in place before the game starts.
    void initTestCase()
    {
        QApplication::setFont(QFont(QStringLiteral("Liberation Serif"), 20));
        QPalette dark(QColor(45, 45, 45));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
    }

    void init() { game = std::make_unique<TestGame>(5); }
    void cleanup()
    {
        game.reset();
        QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(", ")));
    }

    void windowsDoubleInSize_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QSize>("clientSize");
        QTest::newRow("board") << 0 << QSize(146, 250);
        QTest::newRow("options") << 1 << QSize(379, 297);
        QTest::newRow("high") << 2 << QSize(214, 116);
        QTest::newRow("hightab") << 3 << QSize(170, 224);
    }

    void windowsDoubleInSize()
    {
        QFETCH(int, window);
        QFETCH(QSize, clientSize);
        game->Board();
        const std::function<QWidget*()> load[] = {
            [] { return Forms::board.Load().Form; },
            [] { return Forms::options.Load().Form; },
            [] { return Forms::high.Load().Form; },
            [] { return Forms::hightab.Load().Form; },
        };
        QWidget* form = load[window]();
        form->show();
        // The about page's status line shows the contact address.
        if (auto* tabs = form->findChild<QTabWidget*>()) {
            tabs->setCurrentIndex(OptionsTexts::HelpTab);
            tabs->setCurrentIndex(OptionsTexts::AboutTab);
            QVERIFY(Forms::options.Load().Label1->text().contains(OptionsTexts::ContactAddress()));
        }
        QVERIFY(form->palette().color(QPalette::Window).lightness() > 200);

        QCOMPARE(form->devicePixelRatio(), 2.0);
        QCOMPARE(form->size(), clientSize);
        const QPixmap shot = form->grab();
        QCOMPARE(shot.size(), clientSize * 2);

        for (QWidget* child : form->findChildren<QWidget*>()) {
            if (child->isHidden() || !child->parentWidget())
                continue;
            const QString name = child->metaObject()->className() + QStringLiteral(" ") + child->objectName();
            QVERIFY2(child->parentWidget()->rect().contains(child->geometry()), qPrintable(name + " is clipped"));
            QString text;
            if (auto* label = qobject_cast<QLabel*>(child); label && !label->wordWrap())
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(child))
                text = button->text();
            if (!text.isEmpty() && !text.contains(QLatin1Char('\n')))
                QVERIFY2(child->fontMetrics().horizontalAdvance(text) <= child->width(),
                    qPrintable(name + " does not fit \"" + text + "\""));
        }
        // The help text's last line with words stands inside its label; the
        // closing empty lines may fall below it.
        if (window == 1) {
            QLabel* help = Forms::options.Load().Label6;
            const QString visible = OptionsTexts::ScreenText(help->text()).trimmed();
            const QRect needed = help->fontMetrics().boundingRect(
                help->contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, visible);
            QVERIFY2(needed.height() <= help->contentsRect().height(), qPrintable(QString::number(needed.height())));
        }
    }

private:
    std::unique_ptr<TestGame> game;
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"

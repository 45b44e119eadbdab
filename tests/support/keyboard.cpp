#include "windowtest.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

void PressKeys(const QStringList& steps)
{
    static const QHash<QString, Qt::Key> named{{"<Enter>", Qt::Key_Return}, {"<Escape>", Qt::Key_Escape},
        {"<Space>", Qt::Key_Space}, {"<Tab>", Qt::Key_Tab}, {"<Backtab>", Qt::Key_Backtab}, {"<Left>", Qt::Key_Left},
        {"<Right>", Qt::Key_Right}, {"<Up>", Qt::Key_Up}, {"<Down>", Qt::Key_Down}, {"<Backspace>", Qt::Key_Backspace}};
    for (const QString& step : steps) {
        // Typed text is one key per character, each to the focus of that moment (focus may move mid-word).
        const QStringList keys = named.contains(step) ? QStringList{step} : step.split(QString(), Qt::SkipEmptyParts);
        for (const QString& key : keys) {
            QCoreApplication::processEvents();
            QWidget* widget = QApplication::focusWidget();
            if (!widget)
                QFAIL("no widget has the keyboard focus");
            const QChar c = key[0];
            const bool letter = key.size() == 1 && c.unicode() < 128 && c.isLetter();
            const auto code = Qt::Key(letter ? Qt::Key_A + (c.toUpper().unicode() - 'A') : Qt::Key_unknown);
            if (named.contains(key))
                QTest::keyClick(widget, named[key]);
            else
                QTest::sendKeyEvent(QTest::Click, widget, code, key, Qt::NoModifier);
        }
    }
    QCoreApplication::processEvents();
}

QString ActiveWindowName()
{
    QWidget* window = QApplication::activeWindow();
    return window ? QString::fromLatin1(window->metaObject()->className()) : QStringLiteral("none");
}

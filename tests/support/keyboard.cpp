#include "keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

namespace {

const QHash<QString, Qt::Key>& namedKeys()
{
    static const QHash<QString, Qt::Key> keys{
        {QStringLiteral("<Enter>"), Qt::Key_Return},
        {QStringLiteral("<Escape>"), Qt::Key_Escape},
        {QStringLiteral("<Space>"), Qt::Key_Space},
        {QStringLiteral("<Tab>"), Qt::Key_Tab},
        {QStringLiteral("<Backtab>"), Qt::Key_Backtab},
        {QStringLiteral("<Left>"), Qt::Key_Left},
        {QStringLiteral("<Right>"), Qt::Key_Right},
        {QStringLiteral("<Up>"), Qt::Key_Up},
        {QStringLiteral("<Down>"), Qt::Key_Down},
        {QStringLiteral("<Backspace>"), Qt::Key_Backspace},
    };
    return keys;
}

QWidget* focusedWidget()
{
    QCoreApplication::processEvents();
    QWidget* widget = QApplication::focusWidget();
    if (!widget)
        QTest::qFail("no widget has the keyboard focus", __FILE__, __LINE__);
    return widget;
}

void typeCharacter(QChar c)
{
    QWidget* widget = focusedWidget();
    if (!widget)
        return;
    const bool letter = c.unicode() < 128 && c.isLetter();
    const int key = letter ? Qt::Key_A + (c.toUpper().unicode() - 'A') : Qt::Key_unknown;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

} // namespace

void PressKeys(const QStringList& steps)
{
    for (const QString& step : steps) {
        if (const auto key = namedKeys().constFind(step); key != namedKeys().constEnd()) {
            QWidget* widget = focusedWidget();
            if (!widget)
                return;
            QTest::keyClick(widget, *key);
        } else {
            for (const QChar c : step)
                typeCharacter(c);
        }
        if (QTest::currentTestFailed())
            return;
    }
    QCoreApplication::processEvents();
}

QString ActiveWindowName()
{
    QWidget* window = QApplication::activeWindow();
    return window ? QString::fromLatin1(window->metaObject()->className()) : QStringLiteral("none");
}

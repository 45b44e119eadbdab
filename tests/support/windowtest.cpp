#include "windowtest.h"

#include <QTest>

void WindowTest::init()
{
    game = std::make_unique<TestGame>();
}

void WindowTest::cleanup()
{
    game.reset();
    const QStringList leaked = LeakedWindows();
    QVERIFY2(leaked.isEmpty(), qPrintable(leaked.join(QStringLiteral(", "))));
}

BoardControls& WindowTest::ActiveBoard()
{
    BoardControls& board = game->Board();
    board.Form->show();
    board.Form->activateWindow();
    if (!QTest::qWaitForWindowActive(board.Form))
        qFatal("the main window did not become active");
    return board;
}

void WindowTest::Play(const QString& input)
{
    if (input.startsWith(QLatin1String("click ")))
        QTest::mouseClick(Forms::board.Load().Picture1[input.mid(6).toInt()], Qt::LeftButton);
    else
        PressKeys({input});
}

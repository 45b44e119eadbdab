// The game as the screen-reader test plays it: the real windows in a
// temporary folder, a board two moves from solved and a clock that stands
// still, so that every word the reader hears is known in advance.
#include "termination.h"
#include "testgame.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::EndOnTerminationSignal([] { QApplication::quit(); });
    int status = 0;
    {
        TestGame game(7);
        BoardControls& window = game.Board();
        window.Timer1->stop();
        // Blank at row 3, column 3: the left arrow, then the up arrow solve it.
        game.SetBoard({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16, 11, 13, 14, 15, 12});
        window.Form->show();
        window.Form->activateWindow();
        status = QApplication::exec();
    }
    return status;
}

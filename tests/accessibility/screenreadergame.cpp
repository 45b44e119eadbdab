// The game for the screen-reader script: two moves from solved, the clock
// stopped at 00 : 07, between the two records it finds.
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
        WriteFile(game.FilePath(QStringLiteral("scores.txt")), "Anna\r\n00 : 05\r\nBence\r\n00 : 09\r\n");
        BoardControls& window = game.Board();
        window.Timer1->stop();
        Tick(7);
        ShowLayout({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16, 11, 13, 14, 15, 12});
        window.Picture1[10]->setFocus(); // at the gap, as a new game starts
        window.Form->show();
        window.Form->activateWindow();
        status = QApplication::exec();
    }
    return status;
}

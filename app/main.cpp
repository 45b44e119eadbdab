#include "game/boardcontrols.h"
#include "platform/appfolder.h"
#include "platform/qtcatalogue.h"
#include "platform/termination.h"
#include "ui/forms.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The names tie the windows to the desktop entry and name the player's data
    // folder. No display name: the window system would append it to every
    // title, and the main window's title is the move count alone.
    QApplication::setApplicationName(QStringLiteral("dezudor"));
    QGuiApplication::setDesktopFileName(QStringLiteral(DEZUDOR_APP_ID));
    platform::LoadQtCatalogue();
    platform::SetUpAppFolder();
    // Asked to end by the system, the game leaves as through its close box,
    // saving the record list.
    platform::EndOnTerminationSignal([] {
        if (QWidget* board = Forms::board.Window())
            board->close();
    });
    ui::RegisterForms();
    Forms::board().Form->show();
    const int status = QApplication::exec();
    // The windows, hidden ones included, go before the program does.
    ui::UnloadForms();
    return status;
}

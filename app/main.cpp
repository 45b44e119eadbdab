#include "appfolder.h"
#include "boardcontrols.h"
#include "folderclaim.h"
#include "forms.h"
#include "qtcatalogue.h"
#include "recordfile.h"
#include "secondstart.h"
#include "termination.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The game draws itself alike on every desktop: no platform theme's
    // palette, fonts or style.
    QGuiApplication::setDesktopSettingsAware(false);
    QApplication app(argc, argv);
    // The names tie the windows to the desktop entry and name the player's data
    // folder. No display name: the window system would append it to every
    // title, and the main window's title is the move count alone.
    QApplication::setApplicationName(QStringLiteral("dezudor"));
    QGuiApplication::setDesktopFileName(QStringLiteral(DEZUDOR_APP_ID));
    platform::LoadQtCatalogue();
    platform::SetUpAppFolder();
    // Before the claim: a second start's message has the game's look too.
    ui::RegisterForms();
    // A second start in the same folder brings the running game forward, or
    // tells the player why it cannot.
    platform::FolderClaim claim(platform::AppFolder());
    if (claim.HeldElsewhere())
        return platform::EndSecondStart(claim, platform::AppFolder());
    // Asked to end by the system, or losing the display, the game saves the
    // record list first.
    const auto saveAndRelease = [&claim] {
        Module1::SaveRecordsAtEnd();
        claim.Release();
    };
    platform::EndOnTerminationSignal(saveAndRelease);
    platform::SaveOnUnexpectedExit(saveAndRelease);
    claim.OnWake([] {
        if (QWidget* board = Forms::board.Window()) {
            board->showNormal();
            board->raise();
            board->activateWindow();
        }
    });
    ui::StartGame();
    const int status = QApplication::exec();
    platform::ExpectExit();
    // The windows, hidden ones included, go before the program does.
    ui::UnloadForms();
    return status;
}

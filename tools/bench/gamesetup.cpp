#include "gamesetup.h"

#include "appfolder.h"
#include "board.h"
#include "boardcontrols.h"
#include "errorreport.h"
#include "forms.h"
#include "paintwatch.h"
#include "random.h"
#include "report.h"

#include <QCoreApplication>
#include <QEvent>

namespace bench {

void PrepareGame(const QString& folder)
{
    platform::SetAppFolder(folder);
    platform::SeedRandom(5);
    platform::SetRandomClock([] { return qint64{0}; });
    // A message box would wait for a click; a message means a figure is off.
    platform::SetErrorReporter([](const QString& text) { NoteFailure(text); });
    ui::RegisterForms();
}

board& Board()
{
    return *static_cast<board*>(Forms::board.Load().Form);
}

void FlushPaints()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void ShowAndWaitForPaint(QWidget* window, QWidget* marker)
{
    const PaintWatch watch({marker});
    window->show();
    while (!watch.AllPainted())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace bench

#include "tools/bench/gamesetup.h"

#include "game/boardcontrols.h"
#include "platform/appfolder.h"
#include "platform/errorreport.h"
#include "platform/random.h"
#include "tools/bench/paintwatch.h"
#include "tools/bench/report.h"
#include "ui/board.h"
#include "ui/forms.h"

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
    return *static_cast<board*>(Forms::board().Form);
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

#include "children.h"

#include "barewindow.h"
#include "board.h"
#include "forms.h"
#include "gamesetup.h"
#include "measure.h"
#include "report.h"

#include <QApplication>
#include <QTimer>

#include <memory>

namespace bench {

namespace {

// Shows the role's window and waits for its last tile's first paint.
std::unique_ptr<BareWindow> showWindow(const QString& role, const QString& folder)
{
    if (role.endsWith(QLatin1String("board"))) {
        PrepareGame(folder);
        ShowAndWaitForPaint(&Board(), Board().Picture1[15]);
        return nullptr;
    }
    auto bare = std::make_unique<BareWindow>(folder);
    // One line of text: the font system's start-up, which any window that
    // shows text pays, and nothing else of the game.
    if (role == QLatin1String(StartUpBareText))
        (new QLabel(QStringLiteral("00 : 00"), bare.get()))->move(8, 140);
    ShowAndWaitForPaint(bare.get(), bare->Tiles[15]);
    return bare;
}

void startUp(const QString& role, const QString& folder, const QElapsedTimer& sinceStart)
{
    const std::unique_ptr<BareWindow> bare = showWindow(role, folder);
    PrintFigure("milliseconds", double(sinceStart.nsecsElapsed()) / 1e6);
    PrintFigure("peak-kib", double(PeakResidentKiB()));
}

// The board's clock ticks by itself; the bare window gets a clock label
// that a one-second timer rewrites, the least a ticking clock costs.
void idle(const QString& role, const QString& folder, int seconds)
{
    const std::unique_ptr<BareWindow> bare = showWindow(role, folder);
    QTimer clock;
    int ticks = 0;
    if (bare) {
        auto* label = new QLabel(QStringLiteral("00 : 00"), bare.get());
        label->move(8, 140);
        label->show();
        QObject::connect(&clock, &QTimer::timeout, label,
            [label, &ticks] { label->setText(QStringLiteral("00 : %1").arg(++ticks % 60, 2, 10, QLatin1Char('0'))); });
        clock.start(1000);
    }
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, qApp, &QCoreApplication::quit);
    const double before = CpuMilliseconds();
    end.start(seconds * 1000);
    QApplication::exec();
    PrintFigure("cpu-ms", CpuMilliseconds() - before);
}

} // namespace

int RunRole(const QString& role, const QString& folder, int seconds, const QElapsedTimer& sinceStart)
{
    if (role.startsWith(QLatin1String("start-up")))
        startUp(role, folder, sinceStart);
    else if (role.startsWith(QLatin1String("idle")))
        idle(role, folder, seconds);
    else
        NoteFailure(QStringLiteral("unknown child role %1").arg(role));
    ui::UnloadForms();
    return AnyFailure() ? 1 : 0;
}

} // namespace bench

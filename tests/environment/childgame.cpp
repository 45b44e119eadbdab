#include "childgame.h"

#include "appfolder.h"
#include "board.h"
#include "boardcontrols.h"
#include "boardevents.h"
#include "endprogram.h"
#include "errorreport.h"
#include "folderclaim.h"
#include "forms.h"
#include "high.h"
#include "highcontrols.h"
#include "hightabcontrols.h"
#include "module1.h"
#include "picturesets.h"
#include "random.h"
#include "recordfile.h"
#include "termination.h"
#include "testgame.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace childgame {

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void startGame(const QString& folder)
{
    platform::SetAppFolder(folder);
    platform::SeedRandom(3);
    platform::SetErrorReporter([](const QString& text) {
        say(QStringLiteral("message: ") + QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    });
    ui::RegisterForms();
}

// Each move takes the tile right of (or else left of) the empty cell, then
// the one below (or else above): every click is a real move.
void makeTwentyMoves(BoardControls& window)
{
    for (int i = 0; i < 20; ++i) {
        BoardEvents::FindEmptyCell();
        int row = Module1::EmptyRow;
        int col = Module1::EmptyCol;
        if (i % 2 == 0)
            col += col < 3 ? 1 : -1;
        else
            row += row < 3 ? 1 : -1;
        QTest::mouseClick(window.Picture1[4 * row + col], Qt::LeftButton);
    }
}

void play()
{
    auto& window = Forms::board.Load();
    // A clock that stands still makes the record's time known: "00 : 00".
    window.Timer1->stop();
    makeTwentyMoves(window);
    say(QStringLiteral("moves: %1").arg(Module1::MoveCount));

    ShowLayout(OneMoveFromSolved);
    QTest::mouseClick(window.Picture1[15], Qt::LeftButton);
    auto& entry = Forms::high.Load();
    entry.Text1->clear();
    QTest::keyClicks(entry.Text1, QStringLiteral("Kata"));
    QTest::mouseClick(entry.Command1, Qt::LeftButton);
    const HightabControls& list = Forms::hightab.Load();
    for (int i = 0; i < list.List1->count(); ++i)
        say(QStringLiteral("record: %1 %2").arg(list.List1->item(i)->text(), list.List2->item(i)->text()));

    QTest::mouseClick(window.Command1, Qt::LeftButton);
}

} // namespace

int Play(const QString& folder)
{
    startGame(folder);
    Forms::board.Load().Form->show();
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, play);
    start.start(0);
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qDeleteAll(QApplication::topLevelWidgets());
    say(QStringLiteral("ended: %1").arg(status));
    return status;
}

QByteArray SavedList(int which)
{
    QByteArray bytes;
    for (int k = 0; k < 10; ++k)
        bytes += QStringLiteral("%1 %2\r\n%3 : %4\r\n")
                     .arg(which ? QStringLiteral("Béla") : QStringLiteral("Éva"))
                     .arg(k)
                     .arg(which + k, 2, 10, QLatin1Char('0'))
                     .arg(10 + k)
                     .toLatin1();
    return bytes;
}

int SaveForever(const QString& folder)
{
    startGame(folder);
    HightabControls& list = Forms::hightab.Load();
    for (int which = 0;; which = 1 - which) {
        list.List1->clear();
        list.List2->clear();
        const QList<QByteArray> lines = SavedList(which).split('\n');
        for (int k = 0; k + 1 < lines.size(); k += 2) {
            list.List1->addItem(QString::fromLatin1(lines[k].chopped(1)));
            list.List2->addItem(QString::fromLatin1(lines[k + 1].chopped(1)));
        }
        if (!Module1::SaveRecords())
            return 1;
        static bool first = true;
        if (std::exchange(first, false))
            say(QStringLiteral("saving"));
    }
}

int Start(const QString& folder, bool leave)
{
    platform::SetAppFolder(folder);
    platform::SeedRandom(3);
    // The start-up of the game itself, with real message boxes nobody answers.
    platform::FolderClaim claim(folder);
    if (claim.HeldElsewhere()) {
        say(QStringLiteral("gave way"));
        return 0;
    }
    platform::SetErrorReporter([](const QString& text) {
        say(QStringLiteral("message: ") + QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        QMessageBox::warning(nullptr, QStringLiteral("Dezudor játék"), text);
    });
    platform::EndOnTerminationSignal([&claim] {
        Module1::SaveRecordsAtEnd();
        claim.Release();
    });
    ui::RegisterForms();
    PictureSetChoice::FinishInterruptedChoice();
    claim.OnWake([] { say(QStringLiteral("woken")); });
    Forms::board.Load().Form->show();
    QTimer started;
    started.setSingleShot(true);
    QObject::connect(&started, &QTimer::timeout, [leave] {
        say(QStringLiteral("started"));
        if (leave)
            BoardEvents::Command1_Click();
    });
    started.start(0);
    return QApplication::exec();
}

int ChooseForever(const QString& folder)
{
    startGame(folder);
    for (int set = 0;; set = 1 - set) {
        OptionsEvents::Picture3_Click(set);
        OptionsEvents::Command1_Click();
        static bool first = true;
        if (std::exchange(first, false))
            say(QStringLiteral("copying"));
    }
}

} // namespace childgame

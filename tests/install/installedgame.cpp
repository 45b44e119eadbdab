#include "installedgame.h"

#include "appfolder.h"
#include "board.h"
#include "boardcontrols.h"
#include "errorreport.h"
#include "forms.h"
#include "highcontrols.h"
#include "hightabcontrols.h"
#include "optionsevents.h"
#include "picturesets.h"
#include "random.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace installedgame {

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(QString(line).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    std::fflush(stdout);
}

void act(bool play)
{
    say(QStringLiteral("folder: ") + platform::AppFolder());
    HightabControls& list = Forms::hightab.Load();
    for (int i = 0; i < list.List1->count(); ++i)
        say(QStringLiteral("record: %1 %2").arg(list.List1->item(i)->text(), list.List2->item(i)->text()));
    if (play) {
        OptionsEvents::Picture3_Click(1);
        OptionsEvents::Command1_Click();
        list.List1->addItem(QStringLiteral("Őrs"));
        list.List2->addItem(QStringLiteral("00 : 42"));
    }
    Forms::board.Load().Command1->click();
}

} // namespace

int Run(const char* what)
{
    QApplication::setApplicationName(QStringLiteral("dezudor"));
    platform::SetUpAppFolder();
    platform::SeedRandom(5);
    platform::SetErrorReporter([](const QString& text) { say(QStringLiteral("message: ") + text); });
    ui::RegisterForms();
    Forms::board.Load().Form->show();
    const bool play = std::strcmp(what, "play") == 0;
    QTimer begin;
    begin.setSingleShot(true);
    QObject::connect(&begin, &QTimer::timeout, [play] { act(play); });
    begin.start(0);
    const int status = QApplication::exec();
    ui::UnloadForms();
    return status;
}

} // namespace installedgame

#include "game/boardcontrols.h"
#include "ui/forms.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::RegisterForms();
    Forms::board().Form->show();
    const int status = QApplication::exec();
    // Windows unloaded by the exit sequence go before the program does.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

// Renders each window of the game offscreen into PNG files for the documentation.
#include "appfolder.h"
#include "boardcontrols.h"
#include "forms.h"
#include "highcontrols.h"
#include "hightabcontrols.h"
#include "optionscontrols.h"
#include "random.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>

namespace {

bool save(QWidget* window, const QDir& folder, const QString& name)
{
    window->show();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (window->grab().save(path))
        return true;
    std::fprintf(stderr, "dezudor-shot: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawn as the game draws itself, without the desktop's settings.
    QGuiApplication::setDesktopSettingsAware(false);
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dezudor-shot FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    platform::SetAppFolder(QStringLiteral(DEZUDOR_RUN_DIR));
    platform::SeedRandom(1);
    platform::SetRandomClock([] { return qint64{0}; });
    ui::RegisterForms();

    bool ok = save(Forms::board.Load().Form, folder, QStringLiteral("board"));
    ok = save(Forms::options.Load().Form, folder, QStringLiteral("options")) && ok;
    ok = save(Forms::high.Load().Form, folder, QStringLiteral("high")) && ok;
    ok = save(Forms::hightab.Load().Form, folder, QStringLiteral("hightab")) && ok;
    return ok ? 0 : 1;
}

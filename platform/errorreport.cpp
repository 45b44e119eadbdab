#include "errorreport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

#include <cstdio>
#include <utility>

namespace platform {

namespace {
QPointer<QWidget> mainWindow;

void showMessageBox(const QString& text)
{
    QWidget* active = QApplication::activeWindow();
    QMessageBox::warning(active ? active : mainWindow.data(), QStringLiteral("Dezudor játék"), text);
}

std::function<void(const QString&)>& reporter()
{
    static std::function<void(const QString&)> report = showMessageBox;
    return report;
}

bool holding = false;
QStringList held;
bool toStandardError = false;
} // namespace

void ReportError(const QString& text)
{
    if (toStandardError) {
        std::fprintf(stderr, "dezudor: %s\n", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        std::fflush(stderr);
    } else if (holding) {
        held.append(text);
    } else {
        reporter()(text);
    }
}

void HoldErrors()
{
    holding = true;
}

void ShowErrorsOver(QWidget* window)
{
    mainWindow = window;
    holding = false;
    for (const QString& text : std::exchange(held, {}))
        ReportError(text);
}

void ReportErrorsToStandardError()
{
    toStandardError = true;
    for (const QString& text : std::exchange(held, {}))
        ReportError(text);
}

void SetErrorReporter(std::function<void(const QString&)> report)
{
    reporter() = report ? std::move(report) : showMessageBox;
}

} // namespace platform

#include "errorreport.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace platform {

namespace {
void showMessageBox(const QString& text)
{
    QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Dezudor játék"), text);
}

std::function<void(const QString&)>& reporter()
{
    static std::function<void(const QString&)> report = showMessageBox;
    return report;
}

bool toStandardError = false;
} // namespace

void ReportError(const QString& text)
{
    if (!toStandardError) {
        reporter()(text);
        return;
    }
    std::fprintf(stderr, "dezudor: %s\n", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    std::fflush(stderr);
}

void ReportErrorsToStandardError()
{
    toStandardError = true;
}

void SetErrorReporter(std::function<void(const QString&)> report)
{
    reporter() = report ? std::move(report) : showMessageBox;
}

} // namespace platform

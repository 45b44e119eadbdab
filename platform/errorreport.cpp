#include "platform/errorreport.h"

#include <QApplication>
#include <QMessageBox>

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
} // namespace

void ReportError(const QString& text)
{
    reporter()(text);
}

void SetErrorReporter(std::function<void(const QString&)> report)
{
    reporter() = report ? std::move(report) : showMessageBox;
}

} // namespace platform

#include "childprocess.h"

#include "report.h"

#include <QCoreApplication>
#include <QProcess>

namespace bench {

QHash<QString, double> RunChild(const QString& role, const QString& folder, int seconds, int timeoutSeconds)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
        {QString::fromLatin1(ChildFlag), role, folder, QString::number(seconds)});
    const bool finished = child.waitForFinished(timeoutSeconds * 1000);
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    QString trouble;
    if (!finished)
        trouble = QStringLiteral("no end within %1 s").arg(timeoutSeconds);
    else if (child.exitStatus() != QProcess::NormalExit)
        trouble = QStringLiteral("crashed");
    else if (child.exitCode() != 0)
        trouble = QStringLiteral("exit status %1").arg(child.exitCode());
    if (!trouble.isEmpty()) {
        NoteFailure(QStringLiteral("child %1: %2").arg(role, trouble));
        return {};
    }

    QHash<QString, double> figures;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        bool number = false;
        const double value = parts.size() == 2 ? parts[1].toDouble(&number) : 0;
        if (number)
            figures.insert(QString::fromLatin1(parts[0]), value);
    }
    return figures;
}

} // namespace bench

#include "platform/QtShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool QtShell::openUrl(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

QString QtShell::findProgram(const QString& name) const
{
    return QStandardPaths::findExecutable(name);
}

bool QtShell::startProgram(const QString& path)
{
    return QProcess::startDetached(path, {});
}

void QtShell::quit()
{
    QCoreApplication::quit();
}

#include "DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool DesktopShell::open(const QString& verb, const QString& document)
{
    if (verb.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return false;
    // Checked here so a missing document never reaches the desktop's opener,
    // which may report it in a window of its own.
    const QFileInfo file(document);
    if (document.isEmpty() || !file.exists())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

bool DesktopShell::start(const QString& program)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {});
}

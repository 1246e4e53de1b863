#include "BrowseForFolder.h"

#include "Dialogs.h"
#include "Services.h"

QString SelectFolder(QWidget* owner)
{
    QString folder = Services::dialogs().browseForFolder(owner, QStringLiteral("Select Directory"));
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

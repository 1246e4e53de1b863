#include "AppWindowOpener.h"
#include "DesktopShell.h"
#include "HostRegistry.h"
#include "QtDialogs.h"
#include "Services.h"
#include "frmUtama.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumaro"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setDesktopFileName(QStringLiteral("lumaro"));

    QtDialogs dialogs;
    Services::setDialogs(&dialogs);
    DesktopShell shell;
    Services::setShell(&shell);
    HostRegistry registry;
    Services::setRegistry(&registry);

    frmUtama main;
    AppWindowOpener opener(main);
    main.setOpener(&opener);
    main.setEnder([] { QCoreApplication::quit(); });
    main.show();
    return app.exec();
}

#include "PlaceholderWindow.h"

#include <QAction>
#include <QMenuBar>

PlaceholderWindow::PlaceholderWindow(MainWindowFace& main, const QString& name,
                                     const char* titleBm, const char* titleEng)
    : ChildWindow(main)
    , m_titleBm(titleBm)
    , m_titleEng(titleEng)
{
    setObjectName(name);
    mnu_exit = menuBar()->addAction(QStringLiteral("&Exit"));
    mnu_exit->setObjectName(QStringLiteral("mnu_exit"));
    connect(mnu_exit, &QAction::triggered, this, &ChildWindow::leave);
    setWindowTitle(QString::fromUtf8(titleEng));
    resize(640, 420);
}

void PlaceholderWindow::Form_Activate()
{
    setWindowTitle(pick(m_titleBm, m_titleEng));
    mnu_exit->setText(pick("Keluar", "Exit"));
}

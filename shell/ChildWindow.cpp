#include "ChildWindow.h"

#include "ActivationTracker.h"
#include "Language.h"
#include "MainWindowFace.h"
#include "PictureSurface.h"

#include <QCloseEvent>
#include <QShowEvent>

ChildWindow::ChildWindow(MainWindowFace& main, QWidget* parent)
    : QMainWindow(parent)
    , m_main(main)
    , m_client(new PictureSurface(QStringLiteral("client"), this))
{
    m_client->setBackColor(0xF0F0F0);
    m_client->setAccessibleName(QString());
    setCentralWidget(m_client);
    ActivationTracker::instance().track(this, [this] { Form_Activate(); });
}

ChildWindow::~ChildWindow() = default;

QString ChildWindow::varbahasa() const { return m_main.varbahasa(); }
bool ChildWindow::malay() const { return isMalay(m_main.varbahasa()); }
QString ChildWindow::pick(const char* bm, const char* eng) const
{
    return ::pick(m_main.varbahasa(), bm, eng);
}

void ChildWindow::leave()
{
    m_main.setMainEnabled(true);
    m_main.repaintMain();
    hide();
    m_main.activateMain();
}

void ChildWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        raise();
        activateWindow();
        ActivationTracker::instance().activated(this);
    }
}

void ChildWindow::unload()
{
    m_unloading = true;
    close();
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    if (m_unloading) {
        event->accept();
        return;
    }
    // The close box leaves the window; it is kept for the next visit.
    event->ignore();
    Form_QueryUnload();
}

void ChildWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void ChildWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

#include "BusyPointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
int g_depth = 0;
}

BusyPointer::BusyPointer()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++g_depth;
}

BusyPointer::~BusyPointer() { restore(); }

void BusyPointer::restore()
{
    if (!m_active)
        return;
    m_active = false;
    --g_depth;
    QGuiApplication::restoreOverrideCursor();
}

void BusyPointer::resume()
{
    if (m_active)
        return;
    m_active = true;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++g_depth;
}

bool BusyPointer::isBusy() { return g_depth > 0; }

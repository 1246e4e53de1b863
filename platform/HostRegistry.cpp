#include "HostRegistry.h"

#include <QStandardPaths>

QStringList HostRegistry::sysInfoCandidates()
{
    return { QStringLiteral("gnome-system-monitor"), QStringLiteral("plasma-systemmonitor"),
        QStringLiteral("ksysguard"), QStringLiteral("mate-system-monitor"),
        QStringLiteral("xfce4-taskmanager"), QStringLiteral("hardinfo") };
}

HostRegistry::HostRegistry(const QStringList& searchPaths)
{
    for (const QString& name : sysInfoCandidates()) {
        m_program = QStandardPaths::findExecutable(name, searchPaths);
        if (!m_program.isEmpty())
            break;
    }
    if (!m_program.isEmpty())
        m_store.setString(LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
            QStringLiteral("PATH"), m_program);
}

long HostRegistry::openKey(Key parent, const QString& subKey, uint32_t access, Key& opened)
{
    return m_store.openKey(parent, subKey, access, opened);
}

long HostRegistry::queryValue(
    Key key, const QString& valueName, uint32_t& type, QByteArray& buffer, uint32_t& size)
{
    return m_store.queryValue(key, valueName, type, buffer, size);
}

long HostRegistry::closeKey(Key key) { return m_store.closeKey(key); }

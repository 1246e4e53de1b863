#include "Services.h"

#include <QtGlobal>

namespace {
Dialogs* g_dialogs = nullptr;
Shell* g_shell = nullptr;
Registry* g_registry = nullptr;

template <typename T> T& require(T* service, const char* name)
{
    if (!service)
        qFatal("Lumaro: no %s service installed", name);
    return *service;
}
} // namespace

Dialogs& Services::dialogs() { return require(g_dialogs, "dialogs"); }
void Services::setDialogs(Dialogs* dialogs) { g_dialogs = dialogs; }
Shell& Services::shell() { return require(g_shell, "shell"); }
void Services::setShell(Shell* shell) { g_shell = shell; }
Registry& Services::registry() { return require(g_registry, "registry"); }
void Services::setRegistry(Registry* registry) { g_registry = registry; }

#pragma once

#include "MainWindowFace.h"
#include "MemoryRegistry.h"
#include "RecordingShell.h"
#include "Services.h"

// Installs a recording shell and an in-memory registry for one test.
class ScopedShellAndRegistry {
public:
    ScopedShellAndRegistry()
    {
        Services::setShell(&shell);
        Services::setRegistry(&registry);
    }
    ~ScopedShellAndRegistry()
    {
        Services::setShell(nullptr);
        Services::setRegistry(nullptr);
    }
    RecordingShell shell;
    MemoryRegistry registry;
};

// The main window as a window opened from it sees it.
class StubMainWindow : public MainWindowFace {
public:
    QString varbahasa() const override { return code; }
    void setMainEnabled(bool on) override { enabled = on; }
    void repaintMain() override { ++repaints; }
    void activateMain() override { }

    QString code = QStringLiteral("eng");
    bool enabled = false;
    int repaints = 0;
};

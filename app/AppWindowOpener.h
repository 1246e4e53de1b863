#pragma once

#include "WindowOpener.h"

#include <functional>
#include <map>

class ChildWindow;
class MainWindowFace;

// Creates each window the main window opens on first use and keeps it for the
// life of the program.
class AppWindowOpener : public WindowOpener {
public:
    explicit AppWindowOpener(MainWindowFace& main);
    ~AppWindowOpener() override;

    void open(WindowId id) override;
    void closeAll() override;

    // The window if it was created, else nullptr.
    ChildWindow* existing(WindowId id) const;
    ChildWindow* window(WindowId id); // creates on first use

private:
    ChildWindow* create(WindowId id);

    MainWindowFace& m_main;
    std::map<WindowId, ChildWindow*> m_windows;
};

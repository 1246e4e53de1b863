#pragma once

// The windows the main window opens. The application creates each one when it
// is first needed; the main window only knows them by this id.
enum class WindowId { Addtext, Watertext, WaterLogo, Pusing, AnimGif, RenBulk, About };

class WindowOpener {
public:
    virtual ~WindowOpener() = default;
    // Show the window (creating it on first use) without blocking.
    virtual void open(WindowId id) = 0;
    // Close every window that was created, in the order the program ends them:
    // AnimGif, Pusing, RenBulk, About, Addtext, Watertext, WaterLogo.
    virtual void closeAll() = 0;
};

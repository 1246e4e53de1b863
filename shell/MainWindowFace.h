#pragma once

#include <QString>

// What other windows may see of the main window: the language code, and the
// operations a window uses to give the main window back when it is left.
class MainWindowFace {
public:
    virtual ~MainWindowFace() = default;
    virtual QString varbahasa() const = 0;
    virtual void setMainEnabled(bool enabled) = 0;
    virtual void repaintMain() = 0;
    virtual void activateMain() = 0;
};

#pragma once

#include "MainWindowFace.h"

// The main window as a tool window sees it, for driving a tool without the
// shell around it. English, and leaving the tool does nothing.
class BenchMainWindow : public MainWindowFace {
public:
    QString varbahasa() const override { return QStringLiteral("eng"); }
    void setMainEnabled(bool) override { }
    void repaintMain() override { }
    void activateMain() override { }
};

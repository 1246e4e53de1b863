#pragma once

#include "MainWindowFace.h"

// The main window as a tool window sees it, for tests.
class StubMainWindow : public MainWindowFace {
public:
    QString varbahasa() const override { return language; }
    void setMainEnabled(bool enabled) override { this->enabled = enabled; }
    void repaintMain() override { ++repaints; }
    void activateMain() override {}

    QString language = QStringLiteral("eng");
    bool enabled = false;
    int repaints = 0;
};

#pragma once

#include "ChildWindow.h"

class QAction;

// Stands in for a tool window that is not built yet: the right name and
// title, and an Exit that gives the main window back.
class PlaceholderWindow : public ChildWindow {
    Q_OBJECT

public:
    PlaceholderWindow(MainWindowFace& main, const QString& name, const char* titleBm,
                      const char* titleEng);

    void Form_Activate() override;

    QAction* mnu_exit;

private:
    const char* m_titleBm;
    const char* m_titleEng;
};

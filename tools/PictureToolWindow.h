#pragma once

#include "ChildWindow.h"
#include "CommonDialog.h"
#include "PictureJob.h"
#include "PictureToolHost.h"

#include <QList>

class QAction;

// What the four picture tool windows share: a job engine run with this
// window as its host, the window's common dialog, and the commands that are
// switched off while a step lets the event loop run.
class PictureToolWindow : public ChildWindow, public PictureToolHost {
    Q_OBJECT

public:
    PictureToolWindow(MainWindowFace& main, const ToolProfile& profile);

    PictureJob& job() { return m_job; }
    int32_t ConvertTwipsToPixels(int32_t lngTwips, uint8_t bytDirection) const;

    // PictureToolHost
    QWidget* dialogOwner() override { return this; }
    QString language() const override { return varbahasa(); }
    CommonDialog& commonDialog() override { return CommonDialog1; }
    QString selectFolder() override;
    void setJobCommandsEnabled(bool enabled) override;

    CommonDialog CommonDialog1;

protected:
    // Commands that are off while Load Picture or a run is going on.
    void addJobCommand(QAction* command) { m_jobCommands << command; }
    // The preview takes no clicks meanwhile either.
    bool previewClicksEnabled() const { return m_previewClicksEnabled; }

private:
    PictureJob m_job;
    QList<QAction*> m_jobCommands;
    bool m_previewClicksEnabled = true;
};

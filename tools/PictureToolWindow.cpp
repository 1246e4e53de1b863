#include "PictureToolWindow.h"

#include "BrowseForFolder.h"
#include "ConvertTwipsToPixels.h"

#include <QAction>

PictureToolWindow::PictureToolWindow(MainWindowFace& main, const ToolProfile& profile)
    : ChildWindow(main)
    , m_job(profile, *this)
{
}

int32_t PictureToolWindow::ConvertTwipsToPixels(int32_t lngTwips, uint8_t bytDirection) const
{
    return ::ConvertTwipsToPixels(lngTwips, bytDirection);
}

QString PictureToolWindow::selectFolder() { return SelectFolder(this); }

void PictureToolWindow::setJobCommandsEnabled(bool enabled)
{
    for (QAction* command : m_jobCommands)
        command->setEnabled(enabled);
    m_previewClicksEnabled = enabled;
}

#include "TestTool.h"

#include "BusyPointer.h"
#include "Dialogs.h"
#include "FitPictureToPreview.h"
#include "OutputWriter.h"
#include "Services.h"
#include "StdPicture.h"

#include <gtest/gtest.h>

TestTool::TestTool(const ToolProfile& profile)
    : Picture1(new PictureSurface(QStringLiteral("Picture1"), this))
    , lblfile(new QLabel(this))
    , lbltarget(new QLabel(this))
    , job(profile, *this)
{
    resize(1280, 900);
}

QString TestTool::selectFolder()
{
    return Services::dialogs().browseForFolder(this, QStringLiteral("Select Directory"));
}

void TestTool::prepareLoadStep()
{
    Picture1->setAutoRedraw(true);
    Picture1->show();
    Picture1->setGeometry(0, 0, width(), height());
}

void TestTool::showFirstPicture(const QString& path)
{
    FitPictureToPreview(*Picture1, LoadPicture(path, Picture1->size()));
}

void TestTool::processPicture(const QString& path, RunState& run)
{
    EXPECT_FALSE(commandsOn) << "job commands must be off during the run";
    EXPECT_TRUE(BusyPointer::isBusy());
    prepareLoadStep();
    FitPictureToPreview(*Picture1, LoadPicture(path, Picture1->size()));
    if (beforeWrite)
        beforeWrite(path);
    const QString target = job.settings.targetFolder;
    run.temporaryOutputPath = OutputWriter::SaveTemporary(Picture1->image(), job.profile(), target,
                                                          run.baseName);
    if (afterTemporary)
        afterTemporary(run.temporaryOutputPath);
    OutputWriter::ReencodeOutput(run.temporaryOutputPath,
                                 OutputWriter::finalPath(job.profile(), target, run.baseName,
                                                         run.extension),
                                 run.extension);
    processed << path;
}

void TestTool::setJobCommandsEnabled(bool enabled)
{
    commandsOn = enabled;
    commandStates << (enabled ? QStringLiteral("on") : QStringLiteral("off"));
}

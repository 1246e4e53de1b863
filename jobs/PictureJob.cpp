#include "PictureJob.h"

#include "BusyPointer.h"
#include "CommonDialog.h"
#include "Dialogs.h"
#include "DoEvents.h"
#include "FileExists.h"
#include "FileOps.h"
#include "HostPath.h"
#include "PictureSurface.h"
#include "PictureToolHost.h"
#include "ReportText.h"
#include "RuntimeError.h"
#include "Services.h"
#include "SharedTexts.h"
#include "ToolProfile.h"

#include <QLabel>

namespace {

// Turns the job commands off for a step and on again on every way out.
class CommandsOff {
public:
    explicit CommandsOff(PictureToolHost& host)
        : m_host(host)
    {
        m_host.setJobCommandsEnabled(false);
    }
    ~CommandsOff() { m_host.setJobCommandsEnabled(true); }
    CommandsOff(const CommandsOff&) = delete;
    CommandsOff& operator=(const CommandsOff&) = delete;

private:
    PictureToolHost& m_host;
};

} // namespace

PictureJob::PictureJob(const ToolProfile& profile, PictureToolHost& host)
    : m_profile(profile)
    , m_host(host)
{
}

void PictureJob::chooseSingleFile()
{
    PictureSurface& preview = m_host.preview();
    preview.clearPicture();
    preview.hide();
    settings.mode = JobMode::Single;
    CommonDialog& dialog = m_host.commonDialog();
    dialog.Filter = QString::fromLatin1(SharedTexts::pictureFilter);
    dialog.DialogTitle = pick(m_host.language(), SharedTexts::selectFileTitle);
    dialog.ShowOpen(m_host.dialogOwner());
    settings.singleFilePath = dialog.FileName;
    m_host.fileLabel().setText(
        JobSettings::singleLabel(m_profile, m_host.language(), settings.singleFilePath));
    m_host.afterSourceChoice(true);
}

void PictureJob::chooseBulkFolder()
{
    settings.mode = JobMode::Bulk;
    PictureSurface& preview = m_host.preview();
    preview.clearPicture();
    preview.hide();
    const QString chosen = m_host.selectFolder();
    if (!chosen.isEmpty())
        settings.bulkFolder = JobSettings::heldFolder(chosen);
    m_host.fileLabel().setText(
        JobSettings::folderLabel(m_profile.bulkPrefix, m_host.language(), settings.bulkFolder));
    m_host.afterSourceChoice(false);
}

void PictureJob::chooseTargetFolder()
{
    const QString chosen = m_host.selectFolder();
    if (!chosen.isEmpty())
        settings.targetFolder = JobSettings::heldFolder(chosen);
    m_host.targetLabel().setText(
        JobSettings::folderLabel(m_profile.targetPrefix, m_host.language(), settings.targetFolder));
    m_host.afterTargetChoice();
}

void PictureJob::failOutsideLoop(const QString& description)
{
    Services::dialogs().plain(m_host.dialogOwner(),
                              pick(m_host.language(), SharedTexts::failureTitle), description);
    m_host.preview().clearPicture();
}

bool PictureJob::askToContinue(const QString& description)
{
    return Services::dialogs().question(
        m_host.dialogOwner(), pick(m_host.language(), SharedTexts::failureTitle),
        description + QLatin1Char('\n') + pick(m_host.language(), SharedTexts::continueQuestion));
}

bool PictureJob::passesChecks(JobStep step)
{
    const auto notice = settings.validate(m_profile, step, m_host.language(), m_host.logoPath());
    if (notice)
        Services::dialogs().notice(m_host.dialogOwner(), notice->title, notice->text);
    return !notice;
}

void PictureJob::LoadPreviewPicture()
{
    if (!passesChecks(JobStep::LoadPicture))
        return;
    const QString language = m_host.language();
    CommandsOff off(m_host);
    BusyPointer busy;
    try {
        m_host.prepareLoadStep();
        DoEvents();
        if (settings.mode == JobMode::Bulk) {
            run.currentFolder = HostPath::withTrailingSeparator(settings.bulkFolder);
            run.listing = FolderListing::ofFolder(settings.bulkFolder);
            if (!run.listing.error().isEmpty())
                throw RuntimeError(run.listing.error());
        } else {
            run.currentFolder = HostPath::folderOf(settings.singleFilePath);
            run.listing = FolderListing::ofFile(settings.singleFilePath);
        }
        run.advance();
        if (run.currentFileName.isEmpty()) {
            busy.restore();
            Services::dialogs().notice(m_host.dialogOwner(),
                                       QString::fromLatin1(SharedTexts::emptyFolderTitle),
                                       pick(language, SharedTexts::emptyFolder));
            return;
        }
        if (!run.currentError.isEmpty())
            throw RuntimeError(run.currentError);
        run.resetInvalid();
        run.splitName();
        if (!m_profile.accepts(run.extension)) {
            run.refuse();
        } else {
            m_host.showFirstPicture(run.currentFolder + run.currentFileName);
            DoEvents();
        }
    } catch (const RuntimeError& e) {
        busy.restore();
        failOutsideLoop(e.description());
    }
}

void PictureJob::RunPictureJob()
{
    if (!passesChecks(JobStep::Run))
        return;
    const QString language = m_host.language();
    CommandsOff off(m_host);
    BusyPointer busy;
    run.visited = 0;
    DoEvents();
    run.resetInvalid();

    while (!run.currentFileName.isEmpty()) {
        try {
            if (!run.currentError.isEmpty())
                throw RuntimeError(run.currentError);
            run.splitName();
            run.temporaryOutputPath.clear();
            if (!m_profile.accepts(run.extension))
                run.refuse();
            else
                m_host.processPicture(run.currentFolder + run.currentFileName, run);
            ++run.visited;
        } catch (const RuntimeError& e) {
            // A failed picture leaves no temporary file behind.
            if (FileExists(run.temporaryOutputPath))
                FileOps::deleteFile(run.temporaryOutputPath);
            busy.restore();
            const bool goOn = askToContinue(e.description());
            if (!goOn) {
                m_host.preview().clearPicture();
                return; // no report, nothing emptied
            }
            busy.resume();
        }
        if (settings.mode != JobMode::Bulk)
            break;
        run.advance();
    }
    if (settings.mode != JobMode::Bulk) {
        run.currentFileName.clear();
        run.currentError.clear();
    }

    m_host.preview().hide();
    busy.restore();
    if (run.invalidCount == 0)
        run.invalidList = pick(language, SharedTexts::noInvalidFile);
    Services::dialogs().notice(m_host.dialogOwner(), pick(language, m_profile.reportTitle),
                               ReportText(m_profile, language, run.visited, run.invalidList,
                                          run.invalidCount));
    m_host.preview().clearPicture();
    settings.singleFilePath.clear();
    settings.bulkFolder.clear();
    m_host.clearAfterRun();
}

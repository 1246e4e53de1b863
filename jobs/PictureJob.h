#pragma once

#include "JobSettings.h"
#include "RunState.h"

class PictureToolHost;
struct ToolProfile;

// The one batch engine of the four picture tools: the job settings and their
// commands, Load Picture, the run over the listing with its failure prompts,
// and the report. What differs per tool comes from its profile and its host.
class PictureJob {
public:
    PictureJob(const ToolProfile& profile, PictureToolHost& host);

    // Menu commands.
    void chooseSingleFile();
    void chooseBulkFolder();
    void chooseTargetFolder();
    void LoadPreviewPicture();
    void RunPictureJob();

    JobSettings settings;
    RunState run;
    const ToolProfile& profile() const { return m_profile; }

private:
    bool passesChecks(JobStep step);
    void failOutsideLoop(const QString& description);
    bool askToContinue(const QString& description);

    const ToolProfile& m_profile;
    PictureToolHost& m_host;
};

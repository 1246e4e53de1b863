#include "JobSettings.h"

#include "HostPath.h"

std::optional<JobNotice> JobSettings::validate(const ToolProfile& profile, JobStep step,
                                               const QString& language,
                                               const QString& logoPath) const
{
    const ValidationTexts& texts = step == JobStep::LoadPicture ? profile.loadTexts : profile.runTexts;
    const auto notice = [&](const BilingualText& title, const BilingualText& text) {
        return JobNotice{pick(language, title), pick(language, text)};
    };
    const bool single = mode == JobMode::Single || mode == JobMode::None;
    if (single && singleFilePath.isEmpty())
        return notice(texts.titleFile, texts.noFile);
    if (mode == JobMode::Bulk && bulkFolder.isEmpty())
        return notice(texts.titleFolder, texts.noBulkFolder);
    if (targetFolder.isEmpty())
        return notice(texts.titleFolder, texts.noTarget);
    if (profile.checksLogo && logoPath.isEmpty())
        return notice(texts.titleLogo, texts.noLogo);
    return std::nullopt;
}

QString JobSettings::singleLabel(const ToolProfile& profile, const QString& language,
                                 const QString& path)
{
    return pick(language, profile.singlePrefix) + path;
}

QString JobSettings::folderLabel(const BilingualText& prefix, const QString& language,
                                 const QString& folder)
{
    return pick(language, prefix) + HostPath::withTrailingSeparator(folder);
}

QString JobSettings::heldFolder(const QString& chosen)
{
    QString folder = chosen;
    while (folder.size() > 1 && folder.endsWith(HostPath::separator()))
        folder.chop(1);
    return folder;
}

#pragma once

#include "ToolProfile.h"

#include <QString>

#include <optional>

enum class JobMode { None, Single, Bulk };
enum class JobStep { LoadPicture, Run };

// A message to show before any work starts.
struct JobNotice {
    QString title;
    QString text;
};

// What a picture tool works on: one file or one folder, and the target folder.
// Folders are held without a trailing separator; the root is held as "/".
struct JobSettings {
    JobMode mode = JobMode::None;
    QString singleFilePath;
    QString bulkFolder;
    QString targetFolder;

    // The checks of a step, in their order; the first that fails gives its
    // notice. A job with no source chosen yet counts as single mode without a
    // file. `logoPath` is looked at only by tools that check a logo.
    std::optional<JobNotice> validate(const ToolProfile& profile, JobStep step,
                                      const QString& language,
                                      const QString& logoPath = QString()) const;

    // Label texts.
    static QString singleLabel(const ToolProfile& profile, const QString& language,
                               const QString& path);
    static QString folderLabel(const BilingualText& prefix, const QString& language,
                               const QString& folder);
    // A folder as it is held (no trailing separator, the root as "/").
    static QString heldFolder(const QString& chosen);
};

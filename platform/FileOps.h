#pragma once

#include <QString>

// File operations that report failure as a description naming the file;
// an empty description means success.
namespace FileOps {

// Renames from -> to, never replacing an existing file.
QString renameNoReplace(const QString& from, const QString& to);

// Deletes a file.
QString deleteFile(const QString& path);

} // namespace FileOps

#pragma once

#include <QString>

// Folder and name handling in the host's conventions: one separator for the
// whole program, and the file-system root standing where a drive root would.
namespace HostPath {

inline constexpr QChar separator() { return QLatin1Char('/'); }

// Folder + separator + name; the root joins without doubling ("/name").
QString join(const QString& folder, const QString& name);

// The folder with a separator at its end ("/photos/", "/").
QString withTrailingSeparator(const QString& folder);

// Name part and folder part (with its trailing separator) of a path.
QString fileName(const QString& path);
QString folderOf(const QString& path);

} // namespace HostPath

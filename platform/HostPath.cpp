#include "HostPath.h"

namespace HostPath {

QString join(const QString& folder, const QString& name)
{
    return withTrailingSeparator(folder) + name;
}

QString withTrailingSeparator(const QString& folder)
{
    if (folder.endsWith(separator()))
        return folder;
    return folder + separator();
}

QString fileName(const QString& path) { return path.mid(path.lastIndexOf(separator()) + 1); }

QString folderOf(const QString& path) { return path.left(path.lastIndexOf(separator()) + 1); }

} // namespace HostPath

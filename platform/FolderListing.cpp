#include "FolderListing.h"

#include "FileExists.h"
#include "HostPath.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

bool FolderListing::lessThan(const QString& a, const QString& b)
{
    const QString ua = a.toUpper();
    const QString ub = b.toUpper();
    const int c = QString::compare(ua, ub, Qt::CaseSensitive);
    if (c != 0)
        return c < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

FolderListing FolderListing::ofFolder(const QString& folder)
{
    FolderListing listing;
    const QByteArray native = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
    DIR* dir = ::opendir(native.constData());
    if (!dir) {
        if (errno != ENOENT && errno != ENOTDIR)
            listing.m_error = QStringLiteral("Cannot read the folder %1: %2")
                                  .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return listing;
    }
    const QByteArray prefix = native.endsWith('/') ? native : native + '/';
    while (dirent* item = ::readdir(dir)) {
        const QByteArray raw(item->d_name);
        if (raw.startsWith('.'))
            continue;
        struct stat info {};
        if (::stat((prefix + raw).constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        Entry entry;
        const QString name = QFile::decodeName(raw);
        if (QFile::encodeName(name) != raw)
            entry.error = QStringLiteral("The file name %1 cannot be represented in the "
                                         "system's character set")
                              .arg(name);
        else
            entry.name = name;
        listing.m_entries.append(entry);
    }
    ::closedir(dir);
    std::sort(listing.m_entries.begin(), listing.m_entries.end(),
              [](const Entry& a, const Entry& b) {
                  const QString& ka = a.name.isEmpty() ? a.error : a.name;
                  const QString& kb = b.name.isEmpty() ? b.error : b.name;
                  return lessThan(ka, kb);
              });
    return listing;
}

FolderListing FolderListing::ofFile(const QString& path)
{
    FolderListing listing;
    if (FileExists(path))
        listing.m_entries.append(Entry{HostPath::fileName(path), {}});
    return listing;
}

FolderListing FolderListing::ofEntries(QList<Entry> entries)
{
    FolderListing listing;
    listing.m_entries = std::move(entries);
    return listing;
}

std::optional<FolderListing::Entry> FolderListing::next()
{
    if (atEnd())
        return std::nullopt;
    return m_entries[m_position++];
}

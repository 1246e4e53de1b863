#include "FileOps.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace {
QString describe(const QString& what, const QString& path, int error)
{
    return QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(error)));
}
} // namespace

namespace FileOps {

QString renameNoReplace(const QString& from, const QString& to)
{
    const QByteArray src = QFile::encodeName(from);
    const QByteArray dst = QFile::encodeName(to);
#ifdef SYS_renameat2
    if (::syscall(SYS_renameat2, AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(),
                  RENAME_NOREPLACE)
        == 0)
        return {};
    if (errno != ENOSYS && errno != EINVAL)
        return describe(QStringLiteral("Cannot rename %1 to").arg(from), to, errno);
#endif
    // File systems without renameat2: a hard link fails when the name exists.
    if (::link(src.constData(), dst.constData()) != 0)
        return describe(QStringLiteral("Cannot rename %1 to").arg(from), to, errno);
    if (::unlink(src.constData()) != 0) {
        const int error = errno;
        ::unlink(dst.constData());
        return describe(QStringLiteral("Cannot rename"), from, error);
    }
    return {};
}

QString deleteFile(const QString& path)
{
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        return describe(QStringLiteral("Cannot delete"), path, errno);
    return {};
}

} // namespace FileOps

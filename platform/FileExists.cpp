#include "FileExists.h"

#include <QFile>

#include <sys/stat.h>

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QByteArray native = QFile::encodeName(path);
    const int slash = native.lastIndexOf('/');
    const QByteArray name = native.mid(slash + 1);
    if (name.isEmpty() || name.startsWith('.'))
        return false;
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return false;
    return S_ISREG(info.st_mode);
}

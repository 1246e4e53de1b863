#include "OutputWriter.h"

#include "FileOps.h"
#include "HostPath.h"
#include "RuntimeError.h"
#include "StdPicture.h"

#include <FreeImage.h>

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace OutputWriter {

QString temporaryPath(const ToolProfile& profile, const QString& targetFolder,
                      const QString& baseName)
{
    return HostPath::join(targetFolder, profile.temporaryPrefix + baseName + profile.temporaryExtension);
}

QString finalPath(const ToolProfile& profile, const QString& targetFolder,
                  const QString& baseName, const QString& extension)
{
    return HostPath::join(targetFolder, profile.finalPrefix + baseName + extension);
}

int formatFor(const QString& extension)
{
    if (extension == QLatin1String(".jpg"))
        return FIF_JPEG;
    if (extension == QLatin1String(".png"))
        return FIF_PNG;
    if (extension == QLatin1String(".tif"))
        return FIF_TIFF;
    return FIF_BMP;
}

QString SaveTemporary(const QImage& image, const ToolProfile& profile,
                      const QString& targetFolder, const QString& baseName)
{
    const QString path = temporaryPath(profile, targetFolder, baseName);
    SavePicture(image, path);
    return path;
}

void ReencodeOutput(const QString& temporaryPath, const QString& finalPath,
                    const QString& extension)
{
    const QByteArray temporary = QFile::encodeName(temporaryPath);
    const QByteArray final = QFile::encodeName(finalPath);
    // Written beside the final file first, so a failed save never leaves a
    // broken picture under the final name nor spoils an earlier one.
    const QByteArray partial = final + ".part";

    FIBITMAP* bitmap = FreeImage_Load(FIF_BMP, temporary.constData(), 0);
    if (!bitmap) {
        FileOps::deleteFile(temporaryPath);
        throw RuntimeError(QStringLiteral("Cannot read the temporary picture %1").arg(temporaryPath));
    }
    const bool saved = FreeImage_Save(FREE_IMAGE_FORMAT(formatFor(extension)), bitmap,
                                      partial.constData(), 0);
    FreeImage_Unload(bitmap);
    if (!saved || std::rename(partial.constData(), final.constData()) != 0) {
        const QString why = saved ? QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno))
                                  : QString();
        std::remove(partial.constData());
        FileOps::deleteFile(temporaryPath);
        throw RuntimeError(QStringLiteral("Cannot write %1%2").arg(finalPath, why));
    }
    const QString deleteError = FileOps::deleteFile(temporaryPath);
    if (!deleteError.isEmpty())
        throw RuntimeError(deleteError);
}

} // namespace OutputWriter

#include "WindowBackground.h"

#include "FileExists.h"
#include "LumaroHome.h"
#include "PictureSurface.h"

#include <QImageReader>

bool paintWindowBackground(PictureSurface& client, const QString& fileName, bool minimised)
{
    const QString path = LumaroHome::background(fileName);
    if (!FileExists(path))
        return false;
    client.setAutoRedraw(true);
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull())
        return false; // unreadable file: keep what the window shows
    if (minimised)
        return false;
    client.paintPicture(picture, 0, 0, client.scaleWidth(), client.scaleHeight());
    return true;
}

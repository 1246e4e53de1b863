#include "LumaroHome.h"

#include <QtGlobal>

#ifndef LUMARO_DATA_DIR
#define LUMARO_DATA_DIR "/usr/local/share/lumaro"
#endif

namespace LumaroHome {

QString folder()
{
    const QString fromEnv = qEnvironmentVariable("LUMARO_HOME");
    QString home = fromEnv.isEmpty() ? QStringLiteral(LUMARO_DATA_DIR) : fromEnv;
    while (home.size() > 1 && home.endsWith(QLatin1Char('/')))
        home.chop(1);
    return home;
}

QString path(const QString& relative) { return folder() + QLatin1Char('/') + relative; }

QString background(const QString& fileName) { return path(QStringLiteral("bg/") + fileName); }

} // namespace LumaroHome

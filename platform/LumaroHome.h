#pragma once

#include <QString>

// The Lumaro home folder: $LUMARO_HOME when set, otherwise the installed data
// folder. Backgrounds live in its bg/ folder, the help documents beside it.
namespace LumaroHome {

QString folder();
QString path(const QString& relative); // home + "/" + relative
QString background(const QString& fileName); // home/bg/fileName

} // namespace LumaroHome

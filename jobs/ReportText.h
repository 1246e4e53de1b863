#pragma once

#include "ToolProfile.h"

#include <QString>

// The end-of-run report: lead line, the invalid-file list under its heading
// and rule, and the total; lines separated by CR LF, no break at the end.
QString ReportText(const ToolProfile& profile, const QString& language, int visited,
                   const QString& invalidList, int invalidCount);

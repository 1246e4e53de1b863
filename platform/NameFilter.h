#pragma once

#include <QStringList>

// Turns a "description|masks|description|masks" filter into the toolkit's
// "description (mask mask)" form, one entry per pair.
QStringList toQtNameFilters(const QString& pipeFilter);

// The masks of one toolkit filter entry, e.g. {"*.jpg", "*.bmp"}.
QStringList masksOfQtFilter(const QString& qtFilter);

// True when fileName matches one of the masks; letter case is ignored, as a
// user of the original platform expects (Photo.JPG shows under *.jpg).
bool matchesMasks(const QStringList& masks, const QString& fileName);

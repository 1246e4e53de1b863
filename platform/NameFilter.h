#pragma once

#include <QStringList>

// Turns a "description|masks|description|masks" filter into the toolkit's
// "description (mask mask)" form, one entry per pair.
QStringList toQtNameFilters(const QString& pipeFilter);

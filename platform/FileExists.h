#pragma once

#include <QString>

// True when a plain, non-hidden file of that path exists (also a read-only
// one); false for a folder, a dot-file or nothing.
bool FileExists(const QString& path);

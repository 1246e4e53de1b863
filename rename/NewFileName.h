#pragma once

#include <QString>

// How the bulk rename names a file: prefix + "-" + four-digit counter + "." +
// extension, where the extension is everything after the first dot of the old
// name, in its own case, and a name without a dot counts as all extension.
namespace NewFileName {

// Counters run from 0000 to 9999, so one rename handles at most this many files.
inline constexpr int kLimit = 10000;

// The prefix box's text without leading and trailing spaces (only spaces).
QString trimSpaces(const QString& text);

// Everything after the first dot; the whole name when there is no dot.
QString extension(const QString& name);

// The last four characters of "0000" followed by the position.
QString counter(int position);

// The new name of the file at `position` of the list; `prefix` is trimmed here.
QString compose(const QString& prefix, int position, const QString& name);

// False for a name that would not stay a plain name in its folder: it holds
// the separator (a pasted "../x") or a NUL, which the system would cut at.
bool staysInFolder(const QString& newName);

} // namespace NewFileName

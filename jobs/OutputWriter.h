#pragma once

#include "ToolProfile.h"

#include <QImage>
#include <QString>

// Writes a tool's result in two stages: the picture writer saves the composed
// image as a temporary bitmap in the target folder, then ReencodeOutput
// re-encodes it with FreeImage under its final name in the source's format
// and deletes the temporary file.
namespace OutputWriter {

QString temporaryPath(const ToolProfile& profile, const QString& targetFolder,
                      const QString& baseName);
QString finalPath(const ToolProfile& profile, const QString& targetFolder,
                  const QString& baseName, const QString& extension);

// The FreeImage format a final file of this (lower-case) extension is saved in.
int formatFor(const QString& extension);

// Saves the image as the temporary file (always a bitmap) and returns its path.
QString SaveTemporary(const QImage& image, const ToolProfile& profile,
                      const QString& targetFolder, const QString& baseName);

// Re-encodes the temporary bitmap into the final file and deletes the
// temporary file. Throws RuntimeError naming the file when the temporary file
// cannot be read or the final file cannot be written; then neither a
// temporary nor a partly written final file is left, and an earlier final
// file of the same name is kept as it was.
void ReencodeOutput(const QString& temporaryPath, const QString& finalPath,
                    const QString& extension);

} // namespace OutputWriter

#pragma once

#include <QString>

class PictureSurface;

// Paints a window's background file from the Lumaro home's bg/ folder
// stretched over the window's client surface. Returns true when it painted.
// Nothing is painted when the file is absent, cannot be decoded (the
// built-in background stays) or the window is minimised. The file is read
// afresh on every call, as the window's resize handler expects.
bool paintWindowBackground(PictureSurface& client, const QString& fileName, bool minimised);

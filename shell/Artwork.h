#pragma once

#include <QImage>

// Pictures built into the program, drawn by our own code.
namespace Artwork {

QImage malaysianFlag(); // 30 x 18
QImage britishFlag(); // 30 x 18
QImage mainBackground(); // 1025 x 634
QImage programIcon(int size);

} // namespace Artwork
